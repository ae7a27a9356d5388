#include "platform/gui/KeyboardLayout.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>

// Xlib last: its macros (None, Bool, Status, ...) clash with Qt's names.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace platform {

namespace {

KeyboardLayoutOverride& layoutOverride() {
    static KeyboardLayoutOverride current;
    return current;
}

// Symbol files that appear in a symbols name but are not keyboard layouts.
const QSet<QString>& notLayouts() {
    static const QSet<QString> names = {
        QStringLiteral("pc"),       QStringLiteral("inet"),      QStringLiteral("group"),
        QStringLiteral("ctrl"),     QStringLiteral("compose"),   QStringLiteral("level2"),
        QStringLiteral("level3"),   QStringLiteral("level5"),    QStringLiteral("lv3"),
        QStringLiteral("lv5"),      QStringLiteral("altwin"),    QStringLiteral("capslock"),
        QStringLiteral("caps"),     QStringLiteral("terminate"), QStringLiteral("keypad"),
        QStringLiteral("kpdl"),     QStringLiteral("nbsp"),      QStringLiteral("shift"),
        QStringLiteral("eurosign"), QStringLiteral("rupeesign"), QStringLiteral("srvr_ctrl"),
        QStringLiteral("typo"),     QStringLiteral("numpad"),    QStringLiteral("empty"),
        QStringLiteral("japan"),    QStringLiteral("korean"),    QStringLiteral("parens"),
        QStringLiteral("mod_led"),  QStringLiteral("grp_led"),   QStringLiteral("evdev"),
        QStringLiteral("aliases"),  QStringLiteral("srvr_ctrl"), QStringLiteral("solaris"),
    };
    return names;
}

QString x11SymbolsAndGroup(int& group) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return {};
    XkbStateRec state{};
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return {};
    group = state.group;
    XkbDescPtr keyboard = XkbAllocKeyboard();
    if (!keyboard)
        return {};
    QString symbols;
    if (XkbGetNames(display, XkbSymbolsNameMask, keyboard) == Success && keyboard->names &&
        keyboard->names->symbols != 0) {
        if (char* name = XGetAtomName(display, keyboard->names->symbols)) {
            symbols = QString::fromLatin1(name);
            XFree(name);
        }
    }
    XkbFreeKeyboard(keyboard, 0, True);
    return symbols;
}

} // namespace

QString xkbLayoutOfGroup(const QString& symbols, int group) {
    static const QRegularExpression separators(QStringLiteral("[+|]"));
    const QStringList parts = symbols.split(separators, Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        // "ru(phonetic):2": name, optional variant, optional 1-based group.
        QString name = part;
        int partGroup = 1;
        const qsizetype colon = name.lastIndexOf(u':');
        if (colon >= 0) {
            bool ok = false;
            partGroup = name.sliced(colon + 1).toInt(&ok);
            if (!ok)
                continue;
            name.truncate(colon);
        }
        const qsizetype paren = name.indexOf(u'(');
        if (paren >= 0)
            name.truncate(paren);
        // Vendor folders: "macintosh_vndr/us" is the layout "us".
        const qsizetype slash = name.lastIndexOf(u'/');
        if (slash >= 0)
            name = name.sliced(slash + 1);
        if (name.isEmpty() || notLayouts().contains(name))
            continue;
        if (partGroup - 1 == group)
            return name;
    }
    return {};
}

QString activeXkbLayout() {
    if (layoutOverride())
        return layoutOverride()();
    int group = 0;
    const QString symbols = x11SymbolsAndGroup(group);
    return symbols.isEmpty() ? QString() : xkbLayoutOfGroup(symbols, group);
}

bool isEnglishUsLayout() {
    if (layoutOverride())
        return layoutOverride()() == QLatin1String("us");
    int group = 0;
    const QString symbols = x11SymbolsAndGroup(group);
    if (!symbols.isEmpty())
        return xkbLayoutOfGroup(symbols, group) == QLatin1String("us");
    // No X11 display: the input method's language is all there is to go by.
    if (!qGuiApp)
        return false;
    const QInputMethod* im = QGuiApplication::inputMethod();
    return im && im->locale().name() == QLatin1String("en_US");
}

KeyboardLayoutOverride setKeyboardLayoutOverride(KeyboardLayoutOverride layoutName) {
    return std::exchange(layoutOverride(), std::move(layoutName));
}

} // namespace platform
