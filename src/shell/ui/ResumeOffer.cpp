#include "shell/ui/ResumeOffer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "platform/qt/QtText.h"

namespace ispyt {

ResumeOffer::ResumeOffer(QWidget* parent, const QString& text, bool askPassword, Answers answers)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint), answers_(std::move(answers)) {
  setWindowTitle(ui("Перервана спроба"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(text, this);
  label->setWordWrap(true);
  layout->addWidget(label);
  if (askPassword) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(ui("Пароль тесту:"), this));
    password_ = new QLineEdit(this);
    password_->setEchoMode(QLineEdit::Password);
    password_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,5}"), this));
    row->addWidget(password_);
    layout->addLayout(row);
    wrong_ = new QLabel(ui("Пароль невірний."), this);
    wrong_->setStyleSheet("color: rgb(160,0,0);");
    wrong_->hide();
    layout->addWidget(wrong_);
  }
  auto* buttons = new QHBoxLayout;
  resume_ = new QPushButton(ui("Відновити"), this);
  decline_ = new QPushButton(ui("Не відновлювати"), this);
  resume_->setDefault(true);
  buttons->addStretch();
  buttons->addWidget(resume_);
  buttons->addWidget(decline_);
  layout->addLayout(buttons);
  connect(resume_, &QPushButton::clicked, this, [this] {
    if (answers_.resume(password_ ? password_->text() : QString())) {
      accept();
    } else if (wrong_) {
      wrong_->show();
      password_->clear();
      password_->setFocus();
    }
  });
  // Declining, or closing the offer, keeps the journal aside.
  connect(this, &QDialog::rejected, this, [this] { answers_.decline(); });
  connect(decline_, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace ispyt
