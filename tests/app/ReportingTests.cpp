#include "app/core/Failure.h"
#include "app/windows/GuiReporting.h"
#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <gtest/gtest.h>

using namespace telvo;
using namespace telvo::test;

namespace {

TEST(Reporter, TextNamesFailureAndProcedure) {
    EXPECT_EQ(failureReportText(QStringLiteral("Ошибка чтения"),
                                QStringLiteral("Поиск_английского_слова")),
              QStringLiteral("Исключение :   Ошибка чтения  ...   в модуле :  "
                             "Поиск_английского_слова  ..."));
}

TEST(Reporter, WrappedProcedureReportsUnderItsOwnName) {
    TempHome home;
    bool after = false;
    try {
        reportFailuresAs("Отображение_количества_записей", [&] {
            throw Failure(QStringLiteral("Файл не найден"));
            after = true;
        });
        FAIL() << "the reporter returned";
    } catch (const ProgramEnded& ended) {
        EXPECT_EQ(ended.reportText,
                  QStringLiteral("Исключение :   Файл не найден  ...   в модуле :  "
                                 "Отображение_количества_записей  ..."));
    }
    EXPECT_FALSE(after);
}

// The program's reporter: the box shows the report with the error icon and one OK button,
// then the process ends at once: nothing after the report runs, no window gets to close.
[[noreturn]] void reportInGuiProgram() {
    int argc = 1;
    char name[] = "app_start_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    installGuiReporting();
    QWidget main;
    main.show();
    const QString expected = QStringLiteral("Исключение :   сбой  ...   в модуле :  "
                                            "Поиск_английского_слова  ...");
    QTimer::singleShot(10000, [] { std::_Exit(21); }); // the box never came
    QTimer::singleShot(0, [&] {
        // Runs inside the box's own event loop.
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                std::_Exit(20);
            std::fprintf(stderr, "text=%d icon=%d buttons=%d\n", box->text() == expected ? 1 : 0,
                         static_cast<int>(box->icon()), static_cast<int>(box->buttons().size()));
            box->buttons().first()->click();
        });
        reportFailuresAs("Поиск_английского_слова", [] { throw Failure(QStringLiteral("сбой")); });
        std::fputs("carried on after the report\n", stderr);
        std::_Exit(22);
    });
    app.exec();
    std::_Exit(23);
}

TEST(Reporter, GuiReporterShowsBoxThenEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(reportInGuiProgram(), ::testing::ExitedWithCode(1), "text=1 icon=3 buttons=1");
}

} // namespace
