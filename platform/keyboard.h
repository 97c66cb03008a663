// Keyboard layouts, named the Windows way ("00000409" US English,
// "00000405" Czech, ...).
//
// The exercise switches to US English while the pupil types answers and puts
// the start-up layout back when the exercise is left. On X11 the layouts are
// the XKB groups of the keyboard; elsewhere (and in tests) an in-process list
// behaves the same way.
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

class KeyboardLayouts {
public:
    virtual ~KeyboardLayouts() = default;
    // Name of the active layout: eight hexadecimal digits.
    virtual QString activeName() = 0;
    // Makes the previous layout of the installed list active (wrapping round).
    virtual void activatePrevious() = 0;
    // Installs (when possible) and activates the named layout.
    virtual bool loadAndActivate(const QString &name) = 0;
    // Number of installed layouts (at least 1).
    virtual int count() = 0;

    // The layouts of this session: X11 when the program runs on an X display
    // with XKB, else an in-process list.
    static KeyboardLayouts &system();
    // Replaces the session's layouts (tests); nullptr goes back to the default.
    static void setSystem(KeyboardLayouts *layouts);
};

// A list of layout names with one of them active.
class InProcessKeyboardLayouts : public KeyboardLayouts {
public:
    explicit InProcessKeyboardLayouts(QStringList names = {QStringLiteral("00000409")}, int active = 0);
    QString activeName() override;
    void activatePrevious() override;
    bool loadAndActivate(const QString &name) override;
    int count() override;

    QStringList names() const { return m_names; }
    void setActive(int index) { m_active = index; }
    void removeLayout(const QString &name);
    int activations() const { return m_activations; }

private:
    QStringList m_names;
    int m_active = 0;
    int m_activations = 0;
};

// Windows layout id for an XKB layout name ("us" -> "00000409").
QString windowsLayoutIdForXkb(const QString &xkbLayout);

}  // namespace platform
