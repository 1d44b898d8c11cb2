// TSlideTiming: where one slide sits on the show's time line, in
// milliseconds of show time. Plain value; made by TTimeLine, copied freely.
#pragma once

#include <string>

namespace zol {

struct TSlideTiming {
  double begin = 0;      // the transition into the slide starts here
  double nextBegin = 0;  // the transition to the next slide starts here
  double incoming = 0;   // length of the transition into the slide
  double outgoing = 0;   // length of the transition to the next slide
  double end = 0;        // nextBegin + outgoing: the slide is gone after this
  std::string slideId;
};

}  // namespace zol
