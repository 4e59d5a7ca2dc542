// The registration card on its widgets, clicked and typed through: the
// lists fill one another and take no typing, the name and e-mail fields
// keep their rules on real key events, the pupil list fills the name and
// the layout indicator follows the field clicked.  ISPYT_CARD_PICTURES=DIR
// saves the filled card as PNGs to look at.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QtTest>
#include <memory>

#include "attempt/RegionalData.h"
#include "attempt/ui/CardDropDown.h"
#include "attempt/ui/CardPanel.h"
#include "attempt/ui/EmailEntry.h"
#include "platform/Cp1251.h"
#include "platform/qt/QtText.h"

using namespace ispyt;

namespace {

// One card on a bare 800x600 screen, shown as an attempt shows it.
struct Card {
  StudentCard student;
  ClassLists lists;
  RecordingSystemShell shell;
  std::vector<bool> ready;  // every readiness the card reported
  QWidget screen;
  CardPanel* panel;

  explicit Card(ScreenScale scale = {}, ClassLists classLists = {})
      : lists(std::move(classLists)),
        panel(new CardPanel(
            student, lists, shell, [this](bool r) { ready.push_back(r); }, &screen)) {
    screen.setGeometry(0, 0, scale.x(kDesignWidth), scale.y(kDesignHeight));
    screen.setStyleSheet("background: rgb(176, 196, 222);");
    panel->place(scale);
    screen.show();
    panel->show();
  }

  CardDropDown* box(const char* name) const { return panel->findChild<CardDropDown*>(name); }
  QLineEdit* name() const { return panel->findChild<QLineEdit*>("name"); }
  EmailEntry* email() const { return panel->findChild<EmailEntry*>(); }
  QString panelText(const char* boxName) const { return box(boxName)->panelText(); }

  CardPopupList* open(const char* boxName) const {
    CardDropDown* b = box(boxName);
    QTest::mouseClick(b->findChild<QLabel*>("arrow"), Qt::LeftButton);
    return b->findChild<CardPopupList*>();
  }
  // Opens the box's list and clicks its entry `row`; false when no list
  // opened or it has no such entry.
  bool choose(const char* boxName, int row) const {
    CardPopupList* list = open(boxName);
    if (!list->isVisible() || row >= list->count()) return false;
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
    return !list->isVisible();
  }
  bool chooseText(const char* boxName, const QString& text) const {
    CardPopupList* list = open(boxName);
    const auto found = list->findItems(text, Qt::MatchExactly);
    const int row = found.isEmpty() ? -1 : list->row(found.front());
    list->hide();
    return row >= 0 && choose(boxName, row);
  }
};

// Types the way a keyboard does: one key event per character, so that
// Cyrillic text arrives as it would from the Ukrainian layout.
void type(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    const int key = c == ' ' ? Qt::Key_Space : Qt::Key_unknown;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
  }
}

void keep(QWidget* widget, const QString& name) {
  const QString dir = qEnvironmentVariable("ISPYT_CARD_PICTURES");
  if (!dir.isEmpty()) QVERIFY(widget->grab().save(dir + "/" + name + ".png"));
}

// A card with a school chosen, so that the name field takes typing.
void openName(const Card& card) {
  QVERIFY(card.choose("district", 0));
  QVERIFY(card.choose("school", 0));
  QVERIFY(!card.name()->isReadOnly());
}

}  // namespace

class CardPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void districtAndSchoolMakeTheCardCode_data() {
    QTest::addColumn<int>("district");
    QTest::addColumn<int>("school");
    QTest::addColumn<QString>("code");
    QTest::newRow("first district, school 7") << 0 << 7 << QString("A07");
    QTest::newRow("first district, school 12") << 0 << 12 << QString("A12");
    QTest::newRow("second district, first school") << 1 << 0 << QString("B00");
    QTest::newRow("last district") << kDistrictCount - 1 << 2 << QString("Z02");
  }
  void districtAndSchoolMakeTheCardCode() {
    QFETCH(int, district);
    QFETCH(int, school);
    QFETCH(QString, code);
    Card card;
    QVERIFY(!card.box("school")->isEnabled());
    QVERIFY(card.name()->isReadOnly());

    QVERIFY(card.choose("district", district));
    const std::string name = regionDistricts()[static_cast<std::size_t>(district)];
    QCOMPARE(card.panelText("district"), fromCp1251(name));
    QCOMPARE(card.student.cardCode.at(0), code.at(0).toLatin1());
    QVERIFY(card.box("school")->isEnabled());
    QCOMPARE(card.box("school")->itemCount(), static_cast<int>(schoolsOf(name).size()));

    QVERIFY(card.choose("school", school));
    QCOMPARE(QString::fromStdString(card.student.cardCode), code);
    QCOMPARE(card.panelText("school"), fromCp1251(card.student.school));
    QVERIFY(!card.name()->isReadOnly());
  }

  void anotherDistrictClearsTheSchoolAndClosesTheName() {
    Card card;
    openName(card);
    QVERIFY(card.choose("district", 3));
    QCOMPARE(card.student.cardCode, std::string("D00"));
    QCOMPARE(card.panelText("school"), QString());
    QVERIFY(card.student.school.empty());
    QVERIFY(card.name()->isReadOnly());
    // The list now holds the new district's schools.
    QVERIFY(card.chooseText("school", fromCp1251(schoolsOf(regionDistricts()[3]).at(1))));
    QCOMPARE(card.student.cardCode, std::string("D01"));
  }

  void classBoxesMakeTheClassText_data() {
    QTest::addColumn<QString>("letter");  // empty: no letter chosen
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("letterPanel");
    QTest::newRow("no letter") << QString() << QString("10") << QString();
    QTest::newRow("letter") << ui("Б") << ui("10-Б") << ui("Б");
    QTest::newRow("chosen blank") << QString(" ") << QString("10- ") << QString();
  }
  void classBoxesMakeTheClassText() {
    QFETCH(QString, letter);
    QFETCH(QString, group);
    QFETCH(QString, letterPanel);
    Card card;
    QVERIFY(card.chooseText("classNumber", "10"));
    if (!letter.isEmpty()) QVERIFY(card.chooseText("classLetter", letter));
    QCOMPARE(card.panelText("classNumber"), QString("10"));
    QCOMPARE(card.panelText("classLetter"), letterPanel);
    QCOMPARE(fromCp1251(card.student.classGroup), group);
  }

  void nameTakesItsRulesFromTheKeys_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("name");
    QTest::newRow("capital at the start") << ui("іван") << ui("Іван");
    QTest::newRow("capital after a blank and a dot")
        << ui("шевченко т.г. єва") << ui("Шевченко Т.Г. Єва");
    QTest::newRow("second blank refused") << ui("іван  петро") << ui("Іван Петро");
    QTest::newRow("no separator first") << ui(" .ольга") << ui("Ольга");
    QTest::newRow("24th character refused")
        << ui("абвгдежзийклмнопрстуфхцчшщ") << ui("Абвгдежзийклмнопрстуфхцчшщ");
    QTest::newRow("not in the code page") << ui("о\u4e2dля") << ui("Оля");
  }
  void nameTakesItsRulesFromTheKeys() {
    QFETCH(QString, keys);
    QFETCH(QString, name);
    Card card;
    openName(card);
    type(card.name(), keys);
    QTest::keyClick(card.name(), Qt::Key_Return);
    QCOMPARE(card.name()->text(), name.left(23));
    QCOMPARE(fromCp1251(card.student.fullName), name.left(23));
  }

  void pasteTakesTheSameRules() {
    Card card;
    openName(card);
    type(card.name(), ui("коваль"));
    QApplication::clipboard()->setText(ui("  олена\r\nмарія"));
    QTest::keyClick(card.name(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(card.name()->text(), ui("Коваль Оленамарія"));
  }

  void readyFromTheFourthCharacterAndTheGateOpensOnTheFirstEdit() {
    Card card;
    QCOMPARE(card.ready, std::vector<bool>{false});  // shown with no name
    QVERIFY(!card.panel->complete());
    type(card.name(), ui("олег"));  // no school yet: the field takes nothing
    QVERIFY(card.name()->text().isEmpty());
    QVERIFY(!card.panel->complete());

    openName(card);
    card.ready.clear();
    type(card.name(), ui("олег"));
    QCOMPARE(card.ready, (std::vector<bool>{false, false, false, true}));
    QVERIFY(card.panel->complete());
    QVERIFY(card.panel->nameKnown());
    QTest::keyClick(card.name(), Qt::Key_Backspace);
    QCOMPARE(card.ready.back(), false);
    QCOMPARE(card.student.fullName, cp1251("Оле"));

    // The next testee finds the card as it was left, incomplete again.
    card.panel->hide();
    card.panel->show();
    QVERIFY(!card.panel->complete());
    QCOMPARE(card.name()->text(), ui("Оле"));
    QCOMPARE(card.panelText("district"), fromCp1251(regionDistricts()[0]));
  }

  void dropDownsSwallowTypedKeys() {
    Card card;
    CardPopupList* list = card.open("district");
    QVERIFY(list->isVisible());
    const int row = list->currentRow();
    for (int key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return, Qt::Key_Space, Qt::Key_M})
      QTest::keyClick(list, static_cast<Qt::Key>(key));
    type(list, ui("Полтава"));
    QVERIFY(list->isVisible());
    QCOMPARE(list->currentRow(), row);  // not even stepped to
    QVERIFY(list->selectedItems().isEmpty());
    QVERIFY(card.student.district.empty());
    QCOMPARE(card.panelText("district"), QString());
    QTest::keyClick(list, Qt::Key_Escape);
    QVERIFY(!list->isVisible());
    QVERIFY(card.student.district.empty());
    // The boxes themselves never take the keyboard focus.
    QCOMPARE(card.box("classNumber")->focusPolicy(), Qt::NoFocus);
  }

  void pupilListFillsTheName() {
    ClassList tenB{10, cp1251("Б"), "", {cp1251("Бондар Ірина"), cp1251("Ткаченко Максим")}};
    Card card({}, {tenB});
    card.panel->setNamesByList(true);
    QVERIFY(card.box("pupils")->isVisible());
    QVERIFY(!card.box("pupils")->isEnabled());  // until a school is chosen
    openName(card);
    QVERIFY(card.chooseText("classNumber", "10"));
    QVERIFY(!card.choose("pupils", 0));  // class 10 without a letter has no list
    QVERIFY(card.chooseText("classLetter", ui("Б")));
    card.ready.clear();
    QCOMPARE(card.box("pupils")->itemCount(), 2);
    QVERIFY(card.choose("pupils", 1));
    QCOMPARE(card.name()->text(), ui("Ткаченко Максим"));
    QCOMPARE(card.student.fullName, cp1251("Ткаченко Максим"));
    QVERIFY(card.panel->complete());
    QCOMPARE(card.ready, std::vector<bool>{true});
  }

  void layoutIndicatorFollowsTheFieldClicked() {
    Card card;
    openName(card);
    QCOMPARE(card.panelText("layout"), QString(" EN"));
    QTest::mouseClick(card.name(), Qt::LeftButton);
    QCOMPARE(card.panelText("layout"), QString(" UK"));
    QCOMPARE(card.shell.activeKeyboardLayout(), std::string(kLayoutUkrainian));
    QTest::mouseClick(card.email()->user()->viewport(), Qt::LeftButton);
    QCOMPARE(card.panelText("layout"), QString(" EN"));
    QTest::mouseClick(card.name(), Qt::LeftButton);
    QTest::mouseClick(card.email()->domain(), Qt::LeftButton);
    QCOMPARE(card.shell.activeKeyboardLayout(), std::string(kLayoutEnglish));
    QVERIFY(card.chooseText("layout", "RU"));
    QCOMPARE(card.panelText("layout"), QString(" RU"));
    QCOMPARE(card.shell.calls().back(), "layout " + std::string(kLayoutRussian));
  }

  void emailPartsRefuseBlanksAndAtSigns() {
    Card card;
    EmailEntry* email = card.email();
    type(email->user(), "olena kovalenko@");
    QTest::keyClick(email->user(), Qt::Key_Return);
    type(email->domain(), "ukr net@");
    QApplication::clipboard()->setText("x y");
    QTest::keyClick(email->domain(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(email->user(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(card.panel->email(), std::string("olenakovalenko@ukrnet"));
  }

  void emailFontShrinksOnWrapAndGrowsBack() {
    Card card;
    EmailEntry* email = card.email();
    QCOMPARE(email->fontPoints(), 10);
    for (int i = 0; i < 100 && email->fontPoints() == 10; ++i) type(email->user(), "m");
    // The key that made it wrap took 2 points off all three parts.
    QCOMPARE(email->fontPoints(), 8);
    QVERIFY(email->user()->toPlainText().size() > 5);
    QCOMPARE(email->domain()->font().pixelSize(), email->user()->font().pixelSize());
    const int full = email->domain()->font().pixelSize() * 10 / 8;
    for (int i = 0; i < 100 && email->fontPoints() < 10; ++i)
      QTest::keyClick(email->user(), Qt::Key_Backspace);
    QCOMPARE(email->fontPoints(), 10);
    QCOMPARE(email->user()->wrappedLines(), 1);
    QVERIFY(email->domain()->font().pixelSize() >= full);
    QTest::keyClick(email->user(), Qt::Key_Backspace);
    QCOMPARE(email->fontPoints(), 10);  // never past the full size
  }

  void filledCardPictures_data() {
    QTest::addColumn<double>("scaleX");
    QTest::addColumn<double>("scaleY");
    QTest::newRow("800x600") << 1.0 << 1.0;
    QTest::newRow("1920x1080") << 2.4 << 1.8;
  }
  void filledCardPictures() {
    QFETCH(double, scaleX);
    QFETCH(double, scaleY);
    ClassList tenB{10, cp1251("Б"), "", {cp1251("Бондар Ірина")}};
    Card card({scaleX, scaleY, std::min(scaleX, scaleY)}, {tenB});
    card.panel->setNamesByList(true);
    const QString name = QString("card-%1x%2").arg(card.screen.width()).arg(card.screen.height());
    keep(&card.screen, name + "-empty");
    QVERIFY(card.choose("district", 2));
    QVERIFY(card.choose("school", 3));
    QVERIFY(card.chooseText("classNumber", "10"));
    QVERIFY(card.chooseText("classLetter", ui("Б")));
    type(card.name(), ui("бондар ірина"));
    QTest::mouseClick(card.name(), Qt::LeftButton);
    type(card.email()->user(), "iryna.bondar");
    type(card.email()->domain(), "school3.edu.ua");
    // The card takes the option area (768x200 of the 800x600 design).
    QCOMPARE(card.panel->size(), QSize(roundHalfEven(card.screen.width() * 768 / 800.0),
                                       roundHalfEven(card.screen.height() * 200 / 600.0)));
    keep(&card.screen, name);
    CardPopupList* list = card.open("school");
    QVERIFY(list->isVisible());
    keep(list, name + "-school-list");
    list->hide();
    type(card.email()->user(), ".from.the.tenth.b.class");
    keep(&card.screen, name + "-long-address");
  }
};

QTEST_MAIN(CardPanelTest)
#include "CardPanelTest.moc"
