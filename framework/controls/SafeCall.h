#pragma once

// Every place where Qt calls into framework or designer code goes through SafeCall: an error
// raised in a handler is shown with the standard error display and the program goes on. Qt code
// is never unwound by an exception.

#include "Exceptions.h"

#include <exception>

// Shows the error with the application's standard error display.
void ShowExceptionMessage(const Exception &error);

template<class F>
bool SafeCall(F &&f)
{
    try {
        f();
        return true;
    } catch (const EAbort &) {
        // A silent exception: stops the handler, shows nothing.
    } catch (const Exception &e) {
        ShowExceptionMessage(e);
    } catch (const std::exception &e) {
        ShowExceptionMessage(Exception(QString::fromUtf8(e.what())));
    }
    return false;
}
