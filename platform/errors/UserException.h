#pragma once
#include <exception>

namespace platform {

// The one exception that unwinds after an error has been reported to the user.
// It carries no data: the report has already been shown when it is thrown.
class UserException : public std::exception {
  public:
    const char* what() const noexcept override { return "user exception"; }
};

}  // namespace platform
