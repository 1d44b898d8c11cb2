// The texture level of a picture: how many times it can be halved and still
// show at least as many pixels as the screen shows of it (with a third to
// spare). Pure function; any thread.
#pragma once

#include "render/geometry.h"

namespace zol {

// The deepest level a picture store can give (each level halves the picture).
constexpr int kMaxTextureLevel = 3;

// The level for a WIDTH x HEIGHT picture displayed at most LARGEST pixels
// (unknown when not positive: level 0): the largest number of halvings after
// which both sides stay above their targets, capped at kMaxTextureLevel,
// and never below PREPAREDLEVEL (-1: the textures were never prepared).
int PictureTextureLevel(int width, int height, TSizeF largest, int preparedLevel);

}  // namespace zol
