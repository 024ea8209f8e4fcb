#pragma once

#include <QKeySequence>
#include <QLabel>

// A label used as a link: it reports a click, and a press by keyboard (it takes the focus;
// Enter or Space, or its shortcut) or by assistive technology (its press action) the same.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

    // A shortcut of the window that presses the label, shown in its tooltip.
    void setShortcut(const QKeySequence& keys);
    QString shortcutText() const { return m_shortcut.toString(QKeySequence::NativeText); }

    // Reports a click, unless the label is disabled.
    void press();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QKeySequence m_shortcut;
};
