#include "ui/standard_questions.h"

#include "ui/messages.h"

namespace StandardQuestions {

QString saveText() {
    return QStringLiteral("This will save all the changes made to this form. Are you sure you want to continue?");
}

QString cancelText() {
    return QStringLiteral("Cancelling will result in a loss of all changes. Are you sure you want to continue?");
}

bool confirmCancel(Messages& messages) {
    return messages.ask(Messages::confirmTitle(), cancelText());
}

} // namespace StandardQuestions
