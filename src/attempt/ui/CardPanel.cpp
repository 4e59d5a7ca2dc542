#include "attempt/ui/CardPanel.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

#include "attempt/CardLayout.h"
#include "attempt/RegionalData.h"
#include "attempt/ui/CardDropDown.h"
#include "attempt/ui/EmailEntry.h"
#include "attempt/ui/NameEdit.h"
#include "platform/qt/PixelFont.h"
#include "platform/qt/QtGeometry.h"
#include "platform/qt/QtText.h"
#include "presentation/MainLayout.h"

namespace ispyt {
namespace {

namespace cl = cardlayout;
const char* const kFamily = "DejaVu Sans";
const QColor kFill(250, 248, 240);
const QColor kBorder(90, 111, 148);

QStringList texts(const std::vector<std::string>& items) {
  QStringList list;
  for (const std::string& item : items) list << fromCp1251(item);
  return list;
}

QRect scaled(const ScreenScale& scale, const Rect& design) { return qrect(scale.rect(design)); }

QLabel* caption(const char* text, QWidget* parent) {
  auto* label = new QLabel(ui(text), parent);
  label->setStyleSheet("color: #000080; background: transparent;");
  return label;
}

}  // namespace

CardPanel::CardPanel(StudentCard& student, const ClassLists& classLists, SystemShell& shell,
                     std::function<void(bool)> ready, QWidget* parent)
    : QWidget(parent),
      classLists_(classLists),
      shell_(shell),
      ready_(std::move(ready)),
      card_(student),
      districtLabel_(caption("Район/місто", this)),
      schoolLabel_(caption("Школа", this)),
      classLabel_(caption("Клас", this)),
      nameLabel_(caption("Прізвище, ім`я", this)),
      emailLabel_(caption("E-mail", this)),
      district_(new CardDropDown(this)),
      school_(new CardDropDown(this)),
      classNumber_(new CardDropDown(this)),
      classLetter_(new CardDropDown(this)),
      layout_(new CardDropDown(this)),
      name_(new NameEdit(this)),
      pupils_(new CardDropDown(this)),
      email_(new EmailEntry(this)) {
  district_->setObjectName("district");
  school_->setObjectName("school");
  classNumber_->setObjectName("classNumber");
  classLetter_->setObjectName("classLetter");
  layout_->setObjectName("layout");
  name_->setObjectName("name");
  pupils_->setObjectName("pupils");
  pupils_->setToolTip(ui("За списком"));
  pupils_->setListAnchor(name_);
  name_->setStyleSheet(
      "QLineEdit { background: white; color: black; border: 1px solid #8b9ab4;"
      " border-radius: 3px; padding-left: 3px; }"
      "QLineEdit:read-only { background: #eef0f3; }");

  district_->setItems(texts(regionDistricts()));
  classNumber_->setItems(texts(classNumbers()));
  classLetter_->setItems(texts(classLetters()));
  layout_->setItems(texts(layoutChoices()));
  layout_->setPanelText(fromCp1251(layoutIndicator(shell_.activeKeyboardLayout())));

  connect(district_, &CardDropDown::chosen, this, &CardPanel::districtChosen);
  connect(school_, &CardDropDown::chosen, this, &CardPanel::schoolChosen);
  connect(classNumber_, &CardDropDown::chosen, this, [this](int row) {
    card_.chooseClassNumber(classNumbers().at(static_cast<std::size_t>(row)));
    classChosen();
  });
  connect(classLetter_, &CardDropDown::chosen, this, [this](int row) {
    card_.chooseClassLetter(classLetters().at(static_cast<std::size_t>(row)));
    classChosen();
  });
  connect(layout_, &CardDropDown::chosen, this, [this](int row) {
    switchLayout(layoutOfChoice(layoutChoices().at(static_cast<std::size_t>(row))));
  });
  connect(name_, &QLineEdit::textEdited, this, &CardPanel::nameEdited);
  connect(pupils_, &CardDropDown::chosen, this, &CardPanel::pupilChosen);

  // A click in the name field asks for the Ukrainian layout, one in the
  // e-mail parts for the English one.
  name_->installEventFilter(this);
  email_->user()->viewport()->installEventFilter(this);
  email_->domain()->installEventFilter(this);

  place(scale_);
  sync();
  hide();
}

void CardPanel::place(const ScreenScale& scale) {
  scale_ = scale;
  auto at = [&scale](const Rect& r) { return scaled(scale, r); };
  setGeometry(at(layout::kOptionArea));

  const QFont labelFont = pixelFont(kFamily, scale.font(cl::kLabelFont), true);
  const QFont fieldFont = pixelFont(kFamily, scale.font(cl::kFieldFont));
  const std::pair<QLabel*, Rect> labels[] = {{districtLabel_, cl::kDistrictLabel},
                                             {schoolLabel_, cl::kSchoolLabel},
                                             {classLabel_, cl::kClassLabel},
                                             {nameLabel_, cl::kNameLabel},
                                             {emailLabel_, cl::kEmailLabel}};
  for (const auto& [label, r] : labels) {
    label->setFont(labelFont);
    label->setGeometry(at(r));
  }
  const int arrow = scale.x(cl::kArrowWidth);
  const std::pair<CardDropDown*, Rect> boxes[] = {{district_, cl::kDistrictBox},
                                                  {school_, cl::kSchoolBox},
                                                  {classNumber_, cl::kClassNumberBox},
                                                  {classLetter_, cl::kClassLetterBox},
                                                  {layout_, cl::kLayoutBox}};
  for (const auto& [box, r] : boxes) {
    box->setBoxFont(fieldFont);
    box->place(at(r), arrow);
  }
  name_->setFont(fieldFont);
  pupils_->setBoxFont(fieldFont);
  placeName();
  email_->place(at(cl::kEmailUser), at(cl::kEmailAt), at(cl::kEmailDomain), scale.scaleY);
}

void CardPanel::placeName() {
  const QRect f = scaled(scale_, cl::kNameField);
  const int arrow = byList_ ? scale_.x(cl::kArrowWidth) : 0;
  name_->setGeometry(f.adjusted(0, 0, -arrow, 0));
  pupils_->place(f.adjusted(f.width() - arrow, 0, 0, 0), arrow);
  pupils_->setVisible(byList_);
}

void CardPanel::setNamesByList(bool byList) {
  byList_ = byList;
  placeName();
  offerPupils();
  sync();
}

void CardPanel::presetClass(std::string_view number, std::string_view letter) {
  card_.chooseClassNumber(number);
  card_.chooseClassLetter(letter);
  classChosen();
}

void CardPanel::show() {
  card_.show();
  offerPupils();
  sync();
  QWidget::show();
  raise();
  ready_(card_.nameReady());
}

std::string CardPanel::email() const { return email_->address(); }

void CardPanel::districtChosen(int row) {
  card_.chooseDistrict(row);
  school_->setItems(texts(card_.schools()));
  sync();
}

void CardPanel::schoolChosen(int row) {
  card_.chooseSchool(row);
  sync();
}

void CardPanel::classChosen() {
  offerPupils();
  sync();
}

void CardPanel::offerPupils() {
  if (!byList_) return;
  const StudentCard& c = card_.card();
  card_.offerClassList(classLists_, c.classNumber, c.classLetter);
  pupils_->setItems(texts(card_.pupils()));
}

void CardPanel::nameEdited(const QString& text) {
  card_.nameEdited(toCp1251(text));
  ready_(card_.nameReady());
}

void CardPanel::pupilChosen(int row) {
  card_.pickName(card_.pupils().at(static_cast<std::size_t>(row)));
  name_->setText(fromCp1251(card_.card().fullName));
  ready_(card_.nameReady());
}

void CardPanel::switchLayout(std::string_view code) {
  if (code.empty()) return;
  // What the system really has active is what the indicator shows.
  if (shell_.activateKeyboardLayout(code))
    layout_->setPanelText(fromCp1251(layoutIndicator(code)));
  else
    layout_->setPanelText(fromCp1251(layoutIndicator(shell_.activeKeyboardLayout())));
}

void CardPanel::sync() {
  const StudentCard& c = card_.card();
  district_->setPanelText(fromCp1251(c.district));
  school_->setPanelText(fromCp1251(c.school));
  school_->setEnabled(card_.schoolListOpen());
  classNumber_->setPanelText(fromCp1251(c.classNumber));
  classLetter_->setPanelText(fromCp1251(card_.letterPanel()));
  name_->setReadOnly(!card_.nameOpen());
  if (toCp1251(name_->text()) != c.fullName) name_->setText(fromCp1251(c.fullName));
  pupils_->setEnabled(card_.nameOpen());
}

void CardPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal pen = std::max(1, scale_.font(2));
  p.setPen(QPen(kBorder, pen));
  p.setBrush(kFill);
  const qreal radius = scale_.font(cl::kFrameRadius);
  p.drawRoundedRect(QRectF(rect()).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2), radius, radius);
}

bool CardPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    if (watched == name_)
      switchLayout(kLayoutUkrainian);
    else
      switchLayout(kLayoutEnglish);
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace ispyt
