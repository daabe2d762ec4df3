#pragma once

#include <functional>
#include <utility>

// Event handlers. A platform error that a handler raises stops the handler and is shown in the
// application's standard error box; the program goes on. The error is caught here, at the
// handler's edge, because the toolkit's own code is not built to be unwound by exceptions.

// Shows the standard error box for the exception being handled (call it inside a catch).
void AfficherExceptionCourante();

// Runs gestionnaire, showing any error it raises. A handler that another one sets off (a check box
// checked by code) is a handler too: its error stops it and is shown, and the handler that set it
// off goes on.
void ExecuterGestionnaire(const std::function<void()> &gestionnaire);

// A slot for connect() that runs f as a handler; the signal's arguments are ignored.
template <typename F> auto Gestionnaire(F f)
{
    return [f = std::move(f)]() { ExecuterGestionnaire(f); };
}

// The same for a handler that is a member function without arguments.
template <typename Objet> auto Gestionnaire(Objet *objet, void (Objet::*methode)())
{
    return [objet, methode]() { ExecuterGestionnaire([objet, methode] { (objet->*methode)(); }); };
}
