#include "ui/partner_box.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace {
// A combo box to assistive technology, named by its accessible name; its number is its value.
class PartnerBoxAccessible : public QAccessibleWidget {
public:
    explicit PartnerBoxAccessible(QWidget* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? box()->currentText() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = box()->isEditable();
        state.expandable = true;
        state.expanded = box()->view()->isVisible();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList(showMenuAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* partnerBoxAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("PartnerBox") && object && object->isWidgetType())
        return new PartnerBoxAccessible(static_cast<QWidget*>(object));
    return nullptr;
}
} // namespace

PartnerBox::PartnerBox(QWidget* parent) : QComboBox(parent) {
    static const bool installed = (QAccessible::installFactory(partnerBoxAccessible), true);
    Q_UNUSED(installed)
}

void PartnerBox::makeEditable(QAbstractItemModel* choices) {
    if (isEditable())
        return;
    setEditable(true);
    if (choices)
        setModel(choices);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setCurrentIndex(-1);
    setEditText(QString());
}
