#pragma once
// The clock seam: every reading of the current date and time goes through a
// Clock, so tests can set the time.

namespace util {

// An OLE date: days since 1899-12-30, the fraction is the time of day.
using OleDate = double;

class Clock {
 public:
  virtual ~Clock() = default;
  // The current local date and time.
  virtual OleDate Now() const = 0;
};

class SystemClock final : public Clock {
 public:
  OleDate Now() const override;
};

}  // namespace util
