// The application speaks German: locale and Qt's own texts.

#include "UiFixture.h"

#include <QDialogButtonBox>
#include <QLocale>
#include <QPushButton>

namespace uitest {
namespace {

TEST(ApplicationTest, LocaleAndQtTextsAreGerman) {
    EXPECT_EQ(QLocale().language(), QLocale::German);
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
}

}  // namespace
}  // namespace uitest
