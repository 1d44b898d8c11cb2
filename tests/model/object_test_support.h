// Test helpers for the object tree: a slide of a 1000 x 800 show read from a
// project text, with the camera where the producer puts it, and look-ups of
// objects and nodes by name.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>

#include "foundation/ini_file.h"
#include "model/slide_host.h"
#include "model/zol_object.h"
#include "model/zol_object_props.h"
#include "model/zol_slide.h"

namespace zol::test {

inline TRef<TIniFile> ParseText(std::string_view text) {
  TRef<TIniFile> tree = MakeRef<TIniFile>();
  EXPECT_TRUE(tree->Load(text));
  return tree;
}

// The project text "[Slide1]" section holding TEXT (objects of a "Root").
inline std::string SlideText(std::string_view rootBody) {
  return "[Slide1]\nobject Container:Root\n" + std::string(rootBody) + "end\n";
}

// An object of TYPE named NAME with GUID NAME, ITEMS and CHILDREN.
inline std::string Obj(std::string_view type, std::string_view name, std::string_view items = "",
                       std::string_view children = "") {
  return "object " + std::string(name) + ":" + std::string(type) + "\nGUID=" + std::string(name) + "\n" +
         std::string(items) + std::string(children) + "end\n";
}

inline std::string Key(std::string_view items) {
  return "object :KeyPoint\n" + std::string(items) + "end\n";
}

// A slide from show time 0 to 10000 without transitions, design 1000 x 800,
// shown at its own size: the camera sits at (500, 400, -800).
struct TSlideRig {
  TPoint3F camera{500, 400, -800};
  TRef<TZolSlideHost> host;
  TRef<TIniFile> project;
  TRef<TZolSlide> slide;

  TSlideRig(const TSlideRig&) = delete;
  TSlideRig& operator=(const TSlideRig&) = delete;

  explicit TSlideRig(std::string_view rootBody, double nextBegin = 10000) {
    host = MakeRef<TZolSlideHost>(nullptr);
    host->SetCameraCallback([this] { return camera; });
    slide = TZolSlide::Create(host);
    slide->SetDesignSize({1000, 800});
    slide->SetCameraCentre({500, 400});
    slide->SetTimes(0, nextBegin, 0, 0);
    Read(rootBody);
  }

  void Read(std::string_view rootBody) {
    project = ParseText(SlideText(rootBody));
    slide->ReadObjects(*project->Section("Slide1"), slide->TreeTiming());
  }

  void At(double showTime) { slide->Update(true, showTime); }

  TZolObject& Object(std::string_view name) {
    TZolObject* found = Find(*slide, name);
    if (!found) ADD_FAILURE() << "no object " << name;
    return found ? *found : *slide;
  }

  static TZolObject* Find(TZolObject& from, std::string_view name) {
    if (from.Name() == name) return &from;
    for (const TRef<TZolObject>& child : from.Children())
      if (TZolObject* found = Find(*child, name)) return found;
    return nullptr;
  }
};

// One animation node read from the object in OBJECTTEXT, without runtime objects.
struct TNodeRig {
  TRef<TIniFile> project;
  TRef<TZolObjectProps> node;

  explicit TNodeRig(std::string_view objectText, TObjectTiming timing = {10000, 1000, 2000}) {
    project = ParseText("[S]\n" + std::string(objectText));
    node = MakeRef<TZolObjectProps>();
    node->ReadTree(TRef<TIniObject>(project->Section("S")->FirstObject()), timing);
  }
  TZolKeyFrame& KeyFrame(int index) const { return node->KeyFrames()[index]; }
  float Value(int field, double t) const {
    node->Evaluate(t, false);
    return node->FieldValue(field);
  }
};

inline TZolObjectProps* FindNode(TZolObjectProps& from, std::string_view guid) {
  if (from.Guid() == guid) return &from;
  for (const TRef<TZolObjectProps>& child : from.Children())
    if (TZolObjectProps* found = FindNode(*child, guid)) return found;
  return nullptr;
}

inline void ExpectNear3(TPoint3F got, TPoint3F want, double tolerance = 1e-3) {
  EXPECT_NEAR(got.x, want.x, tolerance);
  EXPECT_NEAR(got.y, want.y, tolerance);
  EXPECT_NEAR(got.z, want.z, tolerance);
}

}  // namespace zol::test
