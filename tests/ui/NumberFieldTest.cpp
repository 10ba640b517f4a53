// SPDX-License-Identifier: GPL-3.0-or-later
// A number field: formatting, reading back, leaving and Enter.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "ui/MainDialog.h"
#include "ui/NumberField.h"

namespace {

// The window's fields as the field logic writes and reads them.
TEST(NumberField, ShowsAndReadsNumbersWhateverTheLocale) {
  const QLocale saved;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  NumberField field;
  WidgetFieldTexts fields;
  fields.bind(FieldId::V1, &field);
  fields.setValue(FieldId::V1, 1.2336);
  EXPECT_EQ(field.text(), QStringLiteral("1.234"));
  fields.setValue(FieldId::V1, 100000);
  EXPECT_EQ(field.text(), QStringLiteral("100000"));
  field.setText(QStringLiteral("2,5"));
  EXPECT_EQ(fields.getValue(FieldId::V1), 2.0);
  QLocale::setDefault(saved);

  field.setText(QStringLiteral("  12abc"));
  EXPECT_EQ(fields.getValue(FieldId::V1), 12.0);
  field.setText(QStringLiteral("abc"));
  EXPECT_EQ(fields.getValue(FieldId::V1), 0.0);
  field.setText(QStringLiteral("-3.5e2 K"));
  EXPECT_EQ(fields.getValue(FieldId::V1), -350.0);
}

// A dialog with a default button around two fields, as the worst case for Enter.
class NumberFieldInDialog : public testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&dialog);
    first = new NumberField(&dialog);
    second = new NumberField(&dialog);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addWidget(ok);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    first->setFocus();
    ASSERT_TRUE(first->hasFocus());
  }

  QDialog dialog;
  NumberField* first = nullptr;  // owned by the dialog
  NumberField* second = nullptr;
};

TEST_F(NumberFieldInDialog, EveryFocusLossIsReportedChangedOrNot) {
  QSignalSpy left(first, &NumberField::left);
  second->setFocus();
  EXPECT_EQ(left.count(), 1);
  first->setFocus();
  QTest::keyClick(first, Qt::Key_Tab);
  EXPECT_EQ(left.count(), 2);
  EXPECT_TRUE(second->hasFocus());
}

TEST_F(NumberFieldInDialog, ReturnAndEnterAreReportedAndNeverCloseTheDialog) {
  QSignalSpy left(first, &NumberField::left);
  QTest::keyClicks(first, QStringLiteral("42"));
  EXPECT_EQ(left.count(), 0);
  QTest::keyClick(first, Qt::Key_Return);
  QTest::keyClick(first, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(left.count(), 2);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_TRUE(first->hasFocus());
  EXPECT_EQ(first->text(), QStringLiteral("42"));
}

}  // namespace
