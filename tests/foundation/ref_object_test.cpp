#include <gtest/gtest.h>

#include <stdexcept>

#include "foundation/assertion.h"
#include "foundation/ref.h"
#include "support/captured_log.h"

namespace zol {
namespace {

// Counts how many of its kind were disposed and destroyed.
struct Tally {
  int disposed = 0;
  int destroyed = 0;
};

class TProbe : public TRefObject {
 public:
  explicit TProbe(Tally& tally) : tally_(tally) {}
  ~TProbe() override { ++tally_.destroyed; }

 protected:
  void Dispose() override {
    ++tally_.disposed;
    TRefObject::Dispose();
  }

 private:
  Tally& tally_;
};

TEST(RefObject, SharedObjectSurvivesOneFreeAndGoesWithTheLastReference) {
  Tally tally;
  auto object = MakeRef<TProbe>(tally);
  TProbe* raw = object.get();
  raw->AddRef();
  EXPECT_EQ(raw->RefCount(), 2);

  raw->Free();  // the other holder still references it
  EXPECT_EQ(tally.disposed, 0);
  EXPECT_EQ(raw->RefCount(), 1);

  object.reset();  // the last reference
  EXPECT_EQ(tally.disposed, 1);
  EXPECT_EQ(tally.destroyed, 1);
}

TEST(RefObject, SmartPointerCopiesAndMovesCountReferences) {
  Tally tally;
  {
    auto a = MakeRef<TProbe>(tally);
    TRef<TProbe> b = a;
    EXPECT_EQ(a->RefCount(), 2);
    TRef<TRefObject> base = std::move(b);
    EXPECT_FALSE(b);
    EXPECT_EQ(a->RefCount(), 2);
    TRef<TProbe> back = RefCast<TProbe>(base);
    EXPECT_EQ(back.get(), a.get());
    EXPECT_EQ(a->RefCount(), 3);
  }
  EXPECT_EQ(tally.destroyed, 1);
  EXPECT_EQ(AddRef(nullptr), 0);
}

TEST(RefObject, ClassNameHasNoNamespace) {
  Tally tally;
  EXPECT_EQ(MakeRef<TProbe>(tally)->ClassName(), "TProbe");
}

// Frees itself a second time while being disposed, when its count is already 0.
class TDoubleFree : public TRefObject {
 public:
  explicit TDoubleFree(std::string& caught) : caught_(caught) {}

 protected:
  void Dispose() override {
    try {
      Free();
    } catch (const EAssertion& e) {
      caught_ = e.what();
    }
    AddRef();  // undo the stray decrement so that the memory is given back
    TRefObject::Dispose();
  }

 private:
  std::string& caught_;
};

TEST(RefObject, FreeingAtZeroIsReportedAsDuplicateFree) {
  test::CapturedLog log;
  std::string caught;
  MakeRef<TDoubleFree>(caught).reset();
  EXPECT_NE(caught.find("Asseertion with message: 'Dupliacte free or _release at TDoubleFree'"),
            std::string::npos)
      << caught;
  EXPECT_NE(log.Text().find("Dupliacte free or _release at TDoubleFree"), std::string::npos);
}

class TForgetfulDispose : public TRefObject {
 protected:
  void Dispose() override {}  // never calls the inherited one
};

TEST(RefObject, DisposeWithoutInheritedCallIsReportedAndMemoryStillFreed) {
  test::CapturedLog log;
  auto object = MakeRef<TForgetfulDispose>();
  TForgetfulDispose* raw = object.Detach();
  try {
    raw->Release();
    FAIL() << "expected an internal-check failure";
  } catch (const EAssertion& e) {
    EXPECT_NE(std::string(e.what()).find("'Error: inherited TForgetfulDispose.Dispose not called!'"),
              std::string::npos);
  }
  // LeakSanitizer would flag the object if its memory had been kept.
}

class TThrowingDispose : public TRefObject {
 protected:
  void Dispose() override {
    TRefObject::Dispose();
    throw std::runtime_error("disk on fire");
  }
};

TEST(RefObject, ExceptionFromDisposeIsReportedAndRaisedAgain) {
  test::CapturedLog log;
  auto object = MakeRef<TThrowingDispose>();
  TThrowingDispose* raw = object.Detach();
  EXPECT_THROW(raw->Release(), std::runtime_error);
  EXPECT_NE(log.Text().find("Unhandled Exception at \"TThrowingDispose\" Disposing"), std::string::npos);
  // The memory was given back all the same (LeakSanitizer checks). The smart pointer swallows what Release raises: it was reported already.
  auto again = MakeRef<TThrowingDispose>();
  EXPECT_NO_THROW(again.reset());
}

TEST(Assertion, MessageNamesTextSourceAndLine) {
  test::CapturedLog log;
  const int line = __LINE__ + 2;
  try {
    ZOL_CHECK_FAILED("broken");
  } catch (const EAssertion& e) {
    std::string expected =
        "Asseertion with message: 'broken' (ref_object_test.cpp, line: " + std::to_string(line) + ")";
    EXPECT_EQ(e.what(), expected);
    EXPECT_EQ(log.Text(), expected + "\r\n");
  }
}

}  // namespace
}  // namespace zol
