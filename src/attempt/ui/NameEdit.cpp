#include "attempt/ui/NameEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

#include "attempt/NameInput.h"
#include "attempt/StudentCard.h"
#include "platform/qt/QtText.h"

namespace ispyt {

NameEdit::NameEdit(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(kMaxFullName);
  // Dropped or context-menu text would bypass the rules.
  setContextMenuPolicy(Qt::NoContextMenu);
  setDragEnabled(false);
  setAcceptDrops(false);
}

void NameEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    typeKeys(QApplication::clipboard()->text());
    event->accept();
    return;
  }
  const QString text = event->text();
  const bool typed = !text.isEmpty() && !text.front().isNull() && text.front() >= QChar(' ') &&
                     !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  if (!typed || isReadOnly()) {
    QLineEdit::keyPressEvent(event);  // editing and moving keys, backspace
    return;
  }
  typeKeys(text);
  event->accept();
}

void NameEdit::typeKeys(const QString& keys) {
  if (isReadOnly()) return;
  QString before = text();
  int cursor = cursorPosition();
  if (hasSelectedText()) {
    cursor = selectionStart();
    before.remove(cursor, selectedText().size());
  }
  NameField field{toCp1251(before), static_cast<std::size_t>(cursor)};
  bool changed = false;
  for (QChar key : keys) {
    const std::string byte = toCp1251(QString(key));
    // A character the code page lacks cannot be stored in the card.
    if (byte.size() != 1 || fromCp1251(byte) != QString(key)) continue;
    if (static_cast<unsigned char>(byte[0]) < 32) continue;  // line breaks of pasted text
    changed = typeNameKey(field, byte[0]) || changed;
  }
  if (!changed) return;
  setText(fromCp1251(field.text));
  setCursorPosition(static_cast<int>(field.cursor));
  emit textEdited(text());
}

}  // namespace ispyt
