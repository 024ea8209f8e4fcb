#include "ui/entry_window.h"

#include "ui/twips.h"
#include "ui/window_geometry.h"

#include <QCloseEvent>
#include <QLabel>

EntryWindow::EntryWindow(const QString& objectName, const QString& title, int widthTwips, int heightTwips,
                         QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(objectName);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(QFont(QStringLiteral("Times New Roman"), 10));
    WindowGeometry::setClientSize(this, widthTwips, heightTwips);
    setFixedSize(size());
}

void EntryWindow::centreOn(int screenWidthTwips, int screenHeightTwips) {
    WindowGeometry::centre(this, screenWidthTwips, screenHeightTwips);
}

QLabel* EntryWindow::addTitleLabel(const QString& caption, int topTwips, int heightTwips) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("LblFormTitle"));
    label->setFont(QFont(QStringLiteral("Times New Roman"), 16, QFont::Bold));
    label->setAlignment(Qt::AlignCenter);
    WindowGeometry::place(label, 120, topTwips, Twips::fromPixels(width()) - 240, heightTwips);
    return label;
}

void EntryWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}
