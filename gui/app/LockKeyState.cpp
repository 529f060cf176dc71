#include "app/LockKeyState.h"

#include <QGuiApplication>

#ifdef SOLVO_HAVE_X11
// Kept apart from every other Qt code: X11's headers define macros such as
// KeyRelease and None that collide with Qt's names.
#include <QtGui/qguiapplication_platform.h>

#include <X11/XKBlib.h>
#endif

namespace solvo {

#ifdef SOLVO_HAVE_X11
namespace {

// Looks the indicator up by name: its bit differs between keyboard maps.
bool IndicatorOn(Display* display, const char* name, unsigned state)
{
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None)
        return false;
    int index = 0;
    if (!XkbGetNamedIndicator(display, atom, &index, nullptr, nullptr, nullptr))
        return false;
    return (state >> index) & 1u;
}

} // namespace
#endif

std::optional<std::array<bool, 3>> ReadLockKeyState()
{
#ifdef SOLVO_HAVE_X11
    if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        Display* display = x11->display();
        unsigned state = 0;
        if (display && XkbGetIndicatorState(display, XkbUseCoreKbd, &state) == Success)
            return std::array<bool, 3>{IndicatorOn(display, "Caps Lock", state),
                                       IndicatorOn(display, "Num Lock", state),
                                       IndicatorOn(display, "Scroll Lock", state)};
    }
#endif
    return std::nullopt;
}

} // namespace solvo
