#include "platform/ui/ExceptionBarrier.h"

#include <iostream>

#include "platform/errors/UserException.h"

namespace ui {
namespace {

WindowErrorHandler& handler() {
    static WindowErrorHandler h;
    return h;
}

void defaultHandler(std::exception_ptr error, Msg message) {
    try {
        std::rethrow_exception(error);
    } catch (const platform::UserException&) {
        // Already reported to the user.
    } catch (const std::exception& e) {
        std::cerr << "Unhandled error in window message " << static_cast<unsigned>(message)
                  << ": " << e.what() << '\n';
    } catch (...) {
        std::cerr << "Unhandled error in window message " << static_cast<unsigned>(message)
                  << '\n';
    }
}

}  // namespace

WindowErrorHandler setWindowErrorHandler(WindowErrorHandler h) {
    return std::exchange(handler(), std::move(h));
}

void reportWindowError(std::exception_ptr error, Msg message) {
    // A handler that throws must not take the program down either.
    try {
        if (handler())
            handler()(error, message);
        else
            defaultHandler(error, message);
    } catch (...) {
        std::cerr << "The error handler failed for window message "
                  << static_cast<unsigned>(message) << '\n';
    }
}

}  // namespace ui
