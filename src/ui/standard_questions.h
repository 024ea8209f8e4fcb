#pragma once

class Messages;
class QString;

// The confirmations every entry window asks before it saves or discards its input.
namespace StandardQuestions {

QString saveText();
QString cancelText();

// True when the user answered Yes.
bool confirmCancel(Messages& messages);

} // namespace StandardQuestions
