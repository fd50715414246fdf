#include "mainwindow/title_rows.h"

#include <QDate>

#include "mainwindow/main_form.h"
#include "qt/locale_numbers.h"

namespace torvik {

std::vector<TTitleRow> WindowTitleRows(TMainForm& aForm) {
    // The international form: a day and a month are never mistaken for each
    // other, whatever the reader's country.
    const std::string date = QDate::currentDate().toString(Qt::ISODate).toStdString();
    return TitleRows(aForm.Design(), aForm.CurrentFileName(), aForm.Settings().Activation, date,
                     [](double v) { return FormatLocal(v, "0.00").toStdString(); });
}

}  // namespace torvik
