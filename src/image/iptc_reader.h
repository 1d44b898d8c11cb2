// The IPTC-IIM fields of a JPEG file (the text macros show record 2's
// titles, captions, credits and places), read from its Photoshop APP13
// segments. Pure functions over bytes in memory; any thread.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zol {

// IPTC record 2 datasets the player shows.
enum TIptcDataset : int {
  kIptcObjectName = 5,
  kIptcSpecialInstructions = 40,
  kIptcByline = 80,
  kIptcBylineTitle = 85,
  kIptcCity = 90,
  kIptcSublocation = 92,
  kIptcProvinceState = 95,
  kIptcCountry = 101,
  kIptcTransmissionReference = 103,
  kIptcHeadline = 105,
  kIptcCredit = 110,
  kIptcSource = 115,
  kIptcCopyrightNotice = 116,
  kIptcCaption = 120,
  kIptcCaptionWriter = 122,
};

struct TIptcFields {
  // Record 2 datasets, each with its values in file order (UTF-8).
  std::map<int, std::vector<std::string>> values;

  // The first value of DATASET, trimmed of spaces; empty when there is none.
  std::string Value(int dataset) const;
};

// The fields of the JPEG file JPEG; none when it carries no IPTC data.
std::optional<TIptcFields> ReadIptcFields(std::span<const uint8_t> jpeg);

// The fields of IPTC-IIM data (a run of 0x1C-tagged datasets).
TIptcFields ParseIptc(std::span<const uint8_t> iim);

}  // namespace zol
