// CreateObject: the process-wide hook that makes the runtime object of a node
// by its kind. The built-in creator knows the kinds of the model itself;
// modules that add kinds (pictures, texts, videos, viewports) wrap it at
// start-up and pass the kinds they do not handle to the creator they
// replaced. Installing happens at start-up; creating on any loader thread.
#pragma once

#include <functional>

#include "foundation/ref.h"
#include "model/object_kinds.h"

namespace zol {

class TZolObject;
class TZolObjectProps;

// Makes (through TZolObject::Make, which binds NODE and appends the object to
// PARENT) the object of KIND, or none for a kind without runtime class.
using TObjectCreator =
    std::function<TRef<TZolObject>(TZolObjectKind kind, TZolObject& parent, TZolObjectProps& node)>;

// Installs CREATOR and returns the one it replaces.
TObjectCreator SetObjectCreator(TObjectCreator creator);

TRef<TZolObject> CreateObject(TZolObjectKind kind, TZolObject& parent, TZolObjectProps& node);

// The built-in creator: plain frames for "Frame", "Box" and "Splitter"; none
// for the other kinds.
TRef<TZolObject> CreateBuiltInObject(TZolObjectKind kind, TZolObject& parent, TZolObjectProps& node);

}  // namespace zol
