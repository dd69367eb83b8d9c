#include "VorlHexEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <gtest/gtest.h>

class VorlHexEdit : public testing::Test {
protected:
  void SetUp() override
  {
    Field.show();
    Field.setFocus();
  }
  TVorlHexEdit Field;
};

TEST_F(VorlHexEdit, TypedTextKeepsOnlyHexadecimalDigits)
{
  QTest::keyClicks(&Field, "1fG- ");
  EXPECT_EQ(Field.text(), "1f");
  QTest::keyClicks(&Field, "aB09xyzCDEF!");
  EXPECT_EQ(Field.text(), "1faB09CDEF");
}

TEST_F(VorlHexEdit, EditingKeysStillWork)
{
  QTest::keyClicks(&Field, "1234");
  QTest::keyClick(&Field, Qt::Key_Backspace);
  EXPECT_EQ(Field.text(), "123");
  QTest::keyClick(&Field, Qt::Key_Home);
  QTest::keyClick(&Field, Qt::Key_Delete);
  QTest::keyClick(&Field, Qt::Key_Right);
  QTest::keyClicks(&Field, "A");
  EXPECT_EQ(Field.text(), "2A3");
  Field.clear();
  EXPECT_TRUE(Field.text().isEmpty());
}

TEST_F(VorlHexEdit, CtrlKeysTypeNothingAndDoNothing)
{
  for (const Qt::Key Key : {Qt::Key_V, Qt::Key_C, Qt::Key_X, Qt::Key_Z, Qt::Key_A, Qt::Key_B, Qt::Key_1}) {
    QApplication::clipboard()->setText("AB");
    Field.clear();
    QTest::keyClicks(&Field, "12");
    Field.setSelection(0, 1);
    QTest::keyClick(&Field, Key, Qt::ControlModifier);
    EXPECT_EQ(Field.text(), "12") << QKeySequence(Key).toString().toStdString();
    EXPECT_EQ(Field.selectedText(), "1") << QKeySequence(Key).toString().toStdString();
    EXPECT_EQ(QApplication::clipboard()->text(), "AB") << QKeySequence(Key).toString().toStdString();
  }
}

TEST_F(VorlHexEdit, PastingIsNotFilteredButKeepsTheMaximumLength)
{
  QApplication::clipboard()->setText("G 1");
  QTest::keyClick(&Field, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(Field.text(), "G 1");

  Field.clear();
  Field.setMaxLength(2);
  QApplication::clipboard()->setText("ABC");
  Field.paste(); // as the context menu's Paste does
  EXPECT_EQ(Field.text(), "AB");
  QTest::keyClicks(&Field, "1");
  EXPECT_EQ(Field.text(), "AB");
}
