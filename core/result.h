#pragma once
// The outcome of an operation that changes a table or touches a file: done;
// refused (nothing changed, with a message for the user when the refusal has
// one); or failed on a file (the file's message, to be shown as it is, e.g.
// through App::Report). Refusals are expected answers, not errors.

#include <string>
#include <utility>

#include "storage/record_file.h"

namespace core {

class [[nodiscard]] Result {
 public:
  enum class Kind { Done, Refused, Failed };

  static Result Done() { return Result(Kind::Done, {}); }
  static Result Refused(std::string message = {}) { return Result(Kind::Refused, std::move(message)); }
  static Result Failed(std::string message) { return Result(Kind::Failed, std::move(message)); }
  static Result From(const storage::IoStatus& status) {
    return status ? Done() : Failed(status.message());
  }

  Kind kind() const { return kind_; }
  bool done() const { return kind_ == Kind::Done; }
  bool refused() const { return kind_ == Kind::Refused; }
  bool failed() const { return kind_ == Kind::Failed; }
  explicit operator bool() const { return done(); }
  // Empty for a success and for a silent refusal.
  const std::string& message() const { return message_; }

 private:
  Result(Kind kind, std::string message) : kind_(kind), message_(std::move(message)) {}
  Kind kind_;
  std::string message_;
};

}  // namespace core
