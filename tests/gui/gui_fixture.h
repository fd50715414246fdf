#pragma once
// A main window in a temporary home: its own default data and user folders,
// and scripted answers for every message box and file dialog.

#include <deque>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "mainwindow/dialogs_seam.h"
#include "mainwindow/main_form.h"
#include "support/version.h"
#include "wire/design_file.h"

namespace torvik::test {

// One box the window showed.
struct TShownBox {
    QString kind;  // "ask", "askYesNo", "inform", "warning", "error", "open", "save", "dialog"
    QString title;
    QString text;
};

class TScriptedDialogs : public TDialogs {
public:
    std::deque<TAnswer> answers;     // for Ask and AskYesNo; Cancel (No) when empty
    std::deque<QString> openNames;   // for GetOpenFileName; cancelled when empty
    std::deque<QString> saveNames;   // for GetSaveFileName; cancelled when empty
    std::vector<TShownBox> shown;
    std::vector<QString> folders;  // where each file dialog started
    int imageOpens = 0;            // of them, picture dialogs with a preview
    // Runs while a box is up, as if the user took time to answer.
    std::function<void()> whileShown;
    // For Exec: each script gets the real dialog, may fill in its controls
    // (found by object name), and returns the result the dialog closes with.
    // With no script left the dialog is cancelled.
    std::deque<std::function<int(QDialog&)>> dialogScripts;

    TAnswer Ask(QWidget*, const QString& aTitle, const QString& aText) override {
        Record("ask", aTitle, aText);
        return Take(answers, TAnswer::Cancel);
    }
    TAnswer AskYesNo(QWidget*, const QString& aTitle, const QString& aText) override {
        Record("askYesNo", aTitle, aText);
        return Take(answers, TAnswer::No) == TAnswer::Yes ? TAnswer::Yes : TAnswer::No;
    }
    void Inform(QWidget*, const QString& aTitle, const QString& aText) override { Record("inform", aTitle, aText); }
    void Warn(QWidget*, const QString& aTitle, const QString& aText) override { Record("warning", aTitle, aText); }
    void Error(QWidget*, const QString& aTitle, const QString& aText) override { Record("error", aTitle, aText); }
    QString GetOpenFileName(QWidget*, const QString& aTitle, const QString& aFilter, const QString& aFolder) override {
        folders.push_back(aFolder);
        Record("open", aTitle, aFilter);
        return Take(openNames, QString());
    }
    // Answered as GetOpenFileName; counted.
    QString GetOpenImageName(QWidget* aParent, const QString& aTitle, const QString& aFilter,
                             const QString& aFolder) override {
        ++imageOpens;
        return GetOpenFileName(aParent, aTitle, aFilter, aFolder);
    }
    QString GetSaveFileName(QWidget*, const QString& aTitle, const QString& aFilter, const QString&,
                            const QString& aFolder) override {
        folders.push_back(aFolder);
        Record("save", aTitle, aFilter);
        return Take(saveNames, QString());
    }

    int Exec(QDialog& aDialog) override {
        Record("dialog", aDialog.windowTitle(), aDialog.objectName());
        if (dialogScripts.empty()) return QDialog::Rejected;
        auto script = std::move(dialogScripts.front());
        dialogScripts.pop_front();
        return script(aDialog);
    }

    std::vector<TShownBox> Of(const QString& aKind) const {
        std::vector<TShownBox> result;
        for (const TShownBox& box : shown)
            if (box.kind == aKind) result.push_back(box);
        return result;
    }

private:
    template <typename T>
    static T Take(std::deque<T>& aQueue, T aDefault) {
        if (aQueue.empty()) return aDefault;
        T value = aQueue.front();
        aQueue.pop_front();
        return value;
    }
    void Record(const QString& aKind, const QString& aTitle, const QString& aText) {
        shown.push_back({aKind, aTitle, aText});
        if (whileShown) whileShown();
    }
};

class TGuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FHome.isValid());
        const QString common = FHome.filePath("common/");
        ASSERT_TRUE(QDir().mkpath(common + "Settings"));
        WriteText(common + "Settings/TorvikSettings.ini",
                  "[General]\nVersion=" + QString::fromStdString(GetProgramVersion()) + "\n");
        FPaths.CommonDataFolder = common.toStdString();
        FPaths.UserDataFolder = FHome.filePath("docs/Kelmar Torvik/").toStdString();
        FPaths.SettingsFilePath = FHome.filePath("config/Torvik/TorvikSettings.ini").toStdString();
        FPaths.FormerSettingsFilePath = FHome.filePath("docs/Kelmar Torvik/Settings/TorvikSettings.ini").toStdString();
    }

    void TearDown() override {
        if (FForm) {
            FDialogs->answers.clear();
            FDialogs->answers.push_back(TAnswer::No);
            FForm->close();
            FForm.reset();
        }
    }

    // Creates and shows the main window.
    TMainForm& Start() {
        auto dialogs = std::make_unique<TScriptedDialogs>();
        FDialogs = dialogs.get();
        FForm = std::make_unique<TMainForm>(FPaths, std::move(dialogs));
        FForm->show();
        QApplication::processEvents();
        return *FForm;
    }

    void Trigger(const char* aName) {
        QAction* action = FForm->Action(aName);
        ASSERT_NE(action, nullptr) << aName;
        action->trigger();
    }

    // Processes events until aDone holds, at most aMaxMs milliseconds.
    bool ProcessUntil(const std::function<bool()>& aDone, int aMaxMs = 20000) {
        QElapsedTimer clock;
        clock.start();
        while (!aDone() && clock.elapsed() < aMaxMs) QApplication::processEvents(QEventLoop::AllEvents, 20);
        return aDone();
    }

    QString Path(const QString& aName) const { return FHome.filePath(aName); }

    // Writes an L-shaped wire, 5 mm out and 5 mm down, whose end lies
    // 0.36 mm from the right bracket; returns the file name.
    QString WriteLoop(const QString& aName) {
        TDesign d(0.25, DefaultStock());
        TWire& w = *d.CurrentWire;
        for (int i = 1; i < 20; ++i) w.AddSeg(0.25, i == 19 ? Pi / 2 : 0);
        for (int i = 0; i < 20; ++i) w.AddSeg(0.25, 0);
        const TPointReal tip = w.Corner();
        d.RightBracket.Origin()->SetXY(tip.x + 0.3, tip.y - 0.2);
        d.RightBracket.SetDirection(w.EndDirection());
        const QString file = Path(aName);
        SaveDesign(file.toStdString(), w, d.LeftBracket, d.RightBracket);
        return file;
    }
    QString SettingsFile() const { return QString::fromStdString(FPaths.SettingsFilePath); }

    static void WriteText(const QString& aFile, const QString& aText) {
        QFile file(aFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(aText.toUtf8());
    }
    static QString ReadText(const QString& aFile) {
        QFile file(aFile);
        if (!file.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(file.readAll());
    }

    QTemporaryDir FHome;
    TPaths FPaths;
    TScriptedDialogs* FDialogs = nullptr;
    std::unique_ptr<TMainForm> FForm;
};

}  // namespace torvik::test
