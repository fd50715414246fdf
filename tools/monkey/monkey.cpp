// A monkey for the real main window: seeded random clicks, drags, keys,
// shortcuts, menu commands, drops and dialog answers, run for a number of
// events or seconds, checking a few invariants after every event. It is no
// test of the suite (ctest does not run it): run it by hand, preferably on
// the sanitizer build, where any fault of memory or undefined behaviour ends
// it with a report. The same seed and event count replay the same events.
//
//   torvik_monkey [--seed N] [--events N] [--seconds S] [--trace] [--data DIR]...
//
// Exit status 0 when every event ran clean; 1 on a broken invariant or a
// box whose text betrays an internal fault.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include "mainwindow/dialogs_seam.h"
#include "mainwindow/display_widget.h"
#include "mainwindow/main_form.h"
#include "support/version.h"
#include "wire/loads_check.h"

namespace torvik {
namespace {

using TRandom = std::mt19937_64;

struct TOptions {
    std::uint64_t seed = 1;
    long events = 2000;
    double seconds = 0;  // 0: no time limit
    bool trace = false;
    std::vector<QString> dataFolders;
};

// What the monkey saw, for the report.
struct TTally {
    long events = 0;
    long restarts = 0;
    std::map<std::string, long> boxes;  // "kind: text" -> count
    std::vector<std::string> faults;
};

// Exit ends a session; most of the times it is picked, it is passed over,
// so that sessions grow long.
constexpr double RareExit = 0.25;

int Pick(TRandom& aRandom, int aCount) { return std::uniform_int_distribution<int>(0, aCount - 1)(aRandom); }
bool Chance(TRandom& aRandom, double aP) { return std::uniform_real_distribution<double>(0, 1)(aRandom) < aP; }

// Texts that no box of the program should ever show: an internal failure
// that reached the general error handler.
bool Betrays(const QString& aText) {
    for (const char* bad : {"Range check error", "Unknown error", "std::", "vector", "basic_string", "stoi", "stod",
                            "out_of_range", "bad_alloc", "nullptr"})
        if (aText.contains(QString::fromLatin1(bad))) return true;
    return false;
}

// Random text for a field: numbers of every size and sign, in both decimal
// separators, and some that are no numbers at all.
QString RandomText(TRandom& aRandom) {
    static const char* const samples[] = {"0",     "1",      "-1",    "0.5",  "0,5",   "150",    "1e9", "-1e300",
                                          "1e-9",  "abc",    "",      " 3 ",  "nan",   "inf",    "12.5", "100000",
                                          "0.001", "999999", "2,25",  "-0",   "7",     "0.0001", "42",  "x1"};
    if (Chance(aRandom, 0.3)) {
        const double v = std::uniform_real_distribution<double>(-200, 200)(aRandom);
        return QString::number(v, 'f', Pick(aRandom, 4));
    }
    return QString::fromLatin1(samples[Pick(aRandom, static_cast<int>(std::size(samples)))]);
}

// Answers every box and file dialog at random, and works the program's own
// dialogs a little before closing them.
class TMonkeyDialogs : public TDialogs {
public:
    TMonkeyDialogs(TRandom& aRandom, TTally& aTally, const std::vector<QString>& aDesigns, const QString& aFolder)
        : FRandom(aRandom), FTally(aTally), FDesigns(aDesigns), FFolder(aFolder) {}

    TAnswer Ask(QWidget*, const QString&, const QString& aText) override {
        Note("ask", aText);
        const TAnswer answers[] = {TAnswer::Yes, TAnswer::No, TAnswer::Cancel};
        return answers[Pick(FRandom, 3)];
    }
    TAnswer AskYesNo(QWidget*, const QString&, const QString& aText) override {
        Note("askYesNo", aText);
        return Chance(FRandom, 0.5) ? TAnswer::Yes : TAnswer::No;
    }
    void Inform(QWidget*, const QString&, const QString& aText) override { Note("inform", aText); }
    void Error(QWidget*, const QString&, const QString& aText) override { Note("error", aText); }
    QString GetOpenFileName(QWidget*, const QString&, const QString&, const QString&) override {
        if (Chance(FRandom, 0.2) || FDesigns.empty()) return {};
        if (Chance(FRandom, 0.1)) return FFolder + "/no such design.tvk";
        if (Chance(FRandom, 0.1)) return FFolder + "/picture.png";
        return FDesigns[static_cast<std::size_t>(Pick(FRandom, static_cast<int>(FDesigns.size())))];
    }
    QString GetSaveFileName(QWidget*, const QString&, const QString&, const QString& aSuffix, const QString&) override {
        if (Chance(FRandom, 0.3)) return {};
        return FFolder + QString("/saved %1.%2").arg(Pick(FRandom, 4)).arg(aSuffix.isEmpty() ? "tvk" : aSuffix);
    }

    int Exec(QDialog& aDialog) override {
        Note("dialog", aDialog.objectName());
        // Platform dialogs would wait for a person: never shown.
        if (qobject_cast<QFileDialog*>(&aDialog)) return QDialog::Rejected;
        // A progress dialog works by itself on its event loop.
        if (aDialog.objectName() == "ProgressForm") return Chance(FRandom, 0.5) ? aDialog.exec() : QDialog::Rejected;
        ++FDepth;
        const int result = Work(aDialog);
        --FDepth;
        return result;
    }

private:
    void Note(const char* aKind, const QString& aText) {
        ++FTally.boxes[std::string(aKind) + ": " + aText.toStdString()];
        if (Betrays(aText))
            FTally.faults.push_back("event " + std::to_string(FTally.events) + ": " + aKind + " box: " + aText.toStdString());
    }

    // Fills, ticks and picks a few controls, presses some of the buttons
    // that stay inside the program, and closes the dialog.
    int Work(QDialog& aDialog) {
        // Buttons that open nothing outside the program's seam.
        static const QStringList safeButtons = {"OKBtn",   "ApplyWireBut", "ComputeBtn", "RightBtn",
                                                "LeftBtn", "ExportBtn",    "SaveChartBtn"};
        const int steps = Pick(FRandom, 8);
        for (int i = 0; i < steps; ++i) {
            switch (Pick(FRandom, 5)) {
                case 0: {
                    const auto edits = aDialog.findChildren<QLineEdit*>();
                    if (!edits.isEmpty()) {
                        QLineEdit* edit = edits[Pick(FRandom, static_cast<int>(edits.size()))];
                        if (edit->isEnabled()) edit->setText(RandomText(FRandom));
                    }
                    break;
                }
                case 1: {
                    const auto boxes = aDialog.findChildren<QCheckBox*>();
                    if (!boxes.isEmpty()) boxes[Pick(FRandom, static_cast<int>(boxes.size()))]->toggle();
                    const auto radios = aDialog.findChildren<QRadioButton*>();
                    if (!radios.isEmpty()) radios[Pick(FRandom, static_cast<int>(radios.size()))]->setChecked(true);
                    break;
                }
                case 2: {
                    const auto lists = aDialog.findChildren<QComboBox*>();
                    if (!lists.isEmpty()) {
                        QComboBox* list = lists[Pick(FRandom, static_cast<int>(lists.size()))];
                        if (list->count() > 0) list->setCurrentIndex(Pick(FRandom, list->count()));
                    }
                    break;
                }
                case 3: {
                    if (FDepth > 2) break;
                    QList<QPushButton*> buttons;
                    for (QPushButton* b : aDialog.findChildren<QPushButton*>())
                        if (safeButtons.contains(b->objectName()) && b->isEnabled()) buttons.push_back(b);
                    if (!buttons.isEmpty()) {
                        QPushButton* b = buttons[Pick(FRandom, static_cast<int>(buttons.size()))];
                        QTest::mouseClick(b, Qt::LeftButton);
                        // OK may have been accepted, or refused with a box.
                        if (b->objectName() == "OKBtn" && aDialog.result() == QDialog::Accepted) return QDialog::Accepted;
                    }
                    break;
                }
                default: QApplication::processEvents(); break;
            }
        }
        // Close as a person would: OK through the dialog's own button, so
        // that its checks run, or Cancel.
        aDialog.setResult(QDialog::Rejected);
        if (Chance(FRandom, 0.5)) {
            if (auto* ok = aDialog.findChild<QPushButton*>("OKBtn")) {
                QTest::mouseClick(ok, Qt::LeftButton);
                return aDialog.result();
            }
            return QDialog::Accepted;
        }
        return QDialog::Rejected;
    }

    TRandom& FRandom;
    TTally& FTally;
    const std::vector<QString>& FDesigns;
    QString FFolder;
    int FDepth = 0;
};

class TMonkey {
public:
    TMonkey(const TOptions& aOptions, const QString& aHome) : FOptions(aOptions), FRandom(aOptions.seed), FHome(aHome) {
        QDir().mkpath(FHome + "/common/Settings");
        QDir().mkpath(FHome + "/work");
        FPaths.CommonDataFolder = (FHome + "/common/").toStdString();
        FPaths.UserDataFolder = (FHome + "/docs/Kelmar Torvik/").toStdString();
        FPaths.SettingsFilePath = (FHome + "/docs/Kelmar Torvik/Settings/TorvikSettings.ini").toStdString();
        FPaths.HelpFolder = DefaultPaths().HelpFolder;
        // The designs the file dialogs and drops offer, and a picture.
        for (const QString& folder : FOptions.dataFolders)
            for (const QFileInfo& file : QDir(folder).entryInfoList({"*.tvk"}, QDir::Files, QDir::Name)) {
                const QString copy = FHome + "/work/" + file.fileName();
                QFile::copy(file.absoluteFilePath(), copy);
                FDesigns.push_back(copy);
            }
        // Designs of its own: the two overstrains far beyond the drawing, one
        // cut short, one that is no design.
        QString bent = "[Wire]\nSegments=9\nFirst Bend=999\n";
        for (int i = 1; i <= 9; ++i) bent += QString("Seg %1=0, 5\n").arg(i);
        const std::pair<const char*, QString> own[] = {
            {"long.tvk", "[Wire]\nSegments=1\nSeg 1=0, 200000\n[Right Bracket]\nX=199999\n"},
            {"bent.tvk", bent},
            {"short.tvk", "[Wire]\nSegments=40\nSeg 1=0.1, 5\nSeg 2=0.2, 5\n[Right Bracket]\nX=250\nY=230\n"},
            {"garbage.tvk", "[Wire]\nSegments=3\nSeg 1=x, y\n"},
        };
        for (const auto& [name, text] : own) {
            QFile file(FHome + "/work/" + name);
            if (file.open(QIODevice::WriteOnly)) file.write(text.toUtf8());
            FDesigns.push_back(file.fileName());
        }
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        picture.save(FHome + "/work/picture.png");
        QDir::setCurrent(FHome + "/work");
    }

    int Run() {
        const auto start = std::chrono::steady_clock::now();
        const auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
        NewWindow();
        while (FTally.events < FOptions.events && (FOptions.seconds <= 0 || elapsed() < FOptions.seconds)) {
            ++FTally.events;
            Step();
            Settle();
            if (!FForm->isVisible()) {
                // Exit was answered: a new session of the program.
                FForm.reset();
                ++FTally.restarts;
                NewWindow();
            }
            CheckInvariants();
            if (!FTally.faults.empty()) break;
        }
        FForm.reset();
        Report(elapsed());
        return FTally.faults.empty() ? 0 : 1;
    }

private:
    void NewWindow() {
        auto dialogs = std::make_unique<TMonkeyDialogs>(FRandom, FTally, FDesigns, FHome + "/work");
        FForm = std::make_unique<TMainForm>(FPaths, std::move(dialogs));
        FForm->resize(900, 700);
        FForm->show();
        FForm->activateWindow();
        (void)QTest::qWaitForWindowActive(FForm.get());
    }

    // Lets the window work a little: a few turns of the event loop, so that
    // a run makes some iterations. Counted, not timed, so that a seed
    // replays alike.
    void Settle() {
        const int turns = 1 + Pick(FRandom, 6);
        for (int i = 0; i < turns; ++i) QApplication::processEvents();
    }

    TDisplayWidget* Display() const { return FForm->findChild<TDisplayWidget*>("Display"); }

    // A place worth pointing at, in pixels of the display: a wire node, a
    // bracket, a point near them or anywhere.
    QPoint Somewhere() {
        const TDesign& d = FForm->Design();
        TPointReal at;
        switch (Pick(FRandom, 5)) {
            case 0: {
                const TWire& w = *d.CurrentWire;
                at = w.Segment(Pick(FRandom, w.Count())).Corner();
                break;
            }
            case 1: at = *d.LeftBracket.Origin(); break;
            case 2: at = *d.RightBracket.Origin(); break;
            case 3: at = d.CurrentWire->Corner(); break;
            default: {
                const QSize size = Display()->size();
                return QPoint(Pick(FRandom, std::max(1, size.width())), Pick(FRandom, std::max(1, size.height())));
            }
        }
        const double jitter = Chance(FRandom, 0.5) ? 0 : std::normal_distribution<double>(0, 0.6)(FRandom);
        TPoint logical{};
        if (!TryRoundToInt32((at.x + jitter) * 100, logical.X) || !TryRoundToInt32((at.y - jitter) * 100, logical.Y))
            return QPoint(10, 10);
        const TPoint p = FForm->Mapping().LogicalToDevice(logical);
        return QPoint(p.X, p.Y);
    }

    Qt::KeyboardModifiers Keys() {
        Qt::KeyboardModifiers keys;
        if (Chance(FRandom, 0.2)) keys |= Qt::ShiftModifier;
        if (Chance(FRandom, 0.2)) keys |= Qt::ControlModifier;
        return keys;
    }
    Qt::MouseButton Button() {
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        return buttons[Pick(FRandom, 4)];
    }

    void Trace(const QString& aWhat) {
        if (FOptions.trace) std::fprintf(stderr, "%ld %s\n", FTally.events, aWhat.toLocal8Bit().constData());
    }

    void MoveMouse(QWidget* aWidget, const QPoint& aAt, Qt::MouseButtons aHeld, Qt::KeyboardModifiers aKeys) {
        QMouseEvent move(QEvent::MouseMove, QPointF(aAt), aWidget->mapToGlobal(QPointF(aAt)), Qt::NoButton, aHeld, aKeys);
        QApplication::sendEvent(aWidget, &move);
    }

    void Step() {
        // Weights: mouse on the display most, then commands and keys.
        const int kind = Pick(FRandom, 100);
        if (kind < 22) return Click();
        if (kind < 40) return Drag();
        if (kind < 47) return Hover();
        if (kind < 57) return DisplayKey();
        if (kind < 67) return Shortcut();
        if (kind < 85) return Command();
        if (kind < 89) return ToolButton();
        if (kind < 92) return StatusPanel();
        if (kind < 95) return ZoomBox();
        if (kind < 97) return Drop();
        return Resize();
    }

    void Click() {
        const QPoint at = Somewhere();
        const Qt::MouseButton button = Button();
        const Qt::KeyboardModifiers keys = Keys();
        Trace(QString("click %1,%2 button %3 keys %4").arg(at.x()).arg(at.y()).arg(button).arg(keys.toInt()));
        if (Chance(FRandom, 0.1))
            QTest::mouseDClick(Display(), button, keys, at);
        else
            QTest::mouseClick(Display(), button, keys, at);
    }

    void Drag() {
        QPoint at = Somewhere();
        const QPoint to = Somewhere();
        const Qt::MouseButton button = Chance(FRandom, 0.8) ? Qt::LeftButton : Button();
        const Qt::KeyboardModifiers keys = Keys();
        const int moves = 1 + Pick(FRandom, 8);
        Trace(QString("drag %1,%2 -> %3,%4 in %5 moves").arg(at.x()).arg(at.y()).arg(to.x()).arg(to.y()).arg(moves));
        QTest::mousePress(Display(), button, keys, at);
        for (int i = 1; i <= moves; ++i) {
            at = QPoint(at.x() + (to.x() - at.x()) * i / moves, at.y() + (to.y() - at.y()) * i / moves);
            MoveMouse(Display(), at, button, keys);
            if (Chance(FRandom, 0.1)) QApplication::processEvents();
            if (Chance(FRandom, 0.03)) {
                Trace("  escape during the drag");
                QTest::keyClick(Display(), Qt::Key_Escape);
            }
        }
        QTest::mouseRelease(Display(), button, keys, at);
    }

    void Hover() {
        const QPoint at = Somewhere();
        Trace(QString("hover %1,%2").arg(at.x()).arg(at.y()));
        MoveMouse(Display(), at, Qt::NoButton, Keys());
    }

    void DisplayKey() {
        const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,      Qt::Key_Down, Qt::Key_Escape,
                                Qt::Key_Shift, Qt::Key_Control, Qt::Key_Delete, Qt::Key_A,    Qt::Key_Space};
        const Qt::Key key = keys[Pick(FRandom, static_cast<int>(std::size(keys)))];
        const Qt::KeyboardModifiers mods = Keys();
        Trace(QString("key %1 mods %2").arg(key).arg(mods.toInt()));
        QTest::keyClick(Display(), key, mods);
    }

    void Shortcut() {
        // The keys of a command that has any, as the menus show them.
        std::vector<QKeySequence> keys;
        for (QAction* a : FForm->findChildren<QAction*>())
            for (const QKeySequence& k : a->shortcuts())
                if (!k.isEmpty()) keys.push_back(k);
        if (keys.empty()) return;
        const QKeySequence key = keys[static_cast<std::size_t>(Pick(FRandom, static_cast<int>(keys.size())))];
        if (key == FForm->Action("ActionFileExit")->shortcut() && !Chance(FRandom, RareExit)) return;
        Trace("shortcut " + key.toString());
        // The help window may have taken the focus: the keys go to the
        // main window, as a person clicking into it would make them.
        FForm->activateWindow();
        QApplication::processEvents();
        QTest::keyClick(FForm.get(), key[0].key(), key[0].keyboardModifiers());
    }

    void Command() {
        // Any command of the menus and tool bars that is enabled now.
        std::vector<QAction*> actions;
        for (QAction* a : FForm->findChildren<QAction*>())
            if (a->isEnabled() && !a->isSeparator() && !a->menu() && !a->objectName().isEmpty()) actions.push_back(a);
        for (QMenu* menu : FForm->findChildren<QMenu*>())
            for (QAction* a : menu->actions())
                if (a->isEnabled() && !a->isSeparator() && !a->menu() && a->objectName().isEmpty()) actions.push_back(a);
        if (actions.empty()) return;
        QAction* action = actions[static_cast<std::size_t>(Pick(FRandom, static_cast<int>(actions.size())))];
        if (action->objectName() == "ActionFileExit" && !Chance(FRandom, RareExit)) return;
        Trace("command " + (action->objectName().isEmpty() ? action->text() : action->objectName()));
        if (Chance(FRandom, 0.2)) {
            // A menu opening brings Undo and Redo up to date first.
            for (QMenu* menu : FForm->findChildren<QMenu*>())
                if (menu->actions().contains(action)) emit menu->aboutToShow();
        }
        action->trigger();
    }

    void ToolButton() {
        std::vector<QToolButton*> buttons;
        for (QToolButton* b : FForm->findChildren<QToolButton*>())
            if (b->isEnabled() && b->isVisible() && b->objectName().startsWith("SpeedButton")) buttons.push_back(b);
        if (buttons.empty()) return;
        QToolButton* b = buttons[static_cast<std::size_t>(Pick(FRandom, static_cast<int>(buttons.size())))];
        Trace("button " + b->objectName());
        b->click();
    }

    void StatusPanel() {
        const char* names[] = {"PanelInSlot", "PanelAuto"};
        auto* panel = FForm->findChild<QLabel*>(names[Pick(FRandom, 2)]);
        if (!panel) return;
        Trace("double click " + panel->objectName());
        QTest::mouseDClick(panel, Qt::LeftButton);
    }

    void ZoomBox() {
        auto* box = FForm->findChild<QComboBox*>("ZoomCB");
        if (!box) return;
        if (Chance(FRandom, 0.5) && box->count() > 0) {
            const int item = Pick(FRandom, box->count());
            Trace(QString("zoom item %1").arg(item));
            box->setCurrentIndex(item);
            emit box->activated(item);
            return;
        }
        const QString texts[] = {"50", "200%", "12000", "0", "-5", "abc", "1e9", "Best Fit", "Fit All", "100000"};
        const QString text = texts[Pick(FRandom, static_cast<int>(std::size(texts)))];
        Trace("zoom text " + text);
        if (QLineEdit* edit = box->lineEdit()) {
            edit->setText(text);
            QTest::keyClick(edit, Qt::Key_Return);
        }
    }

    void Drop() {
        if (FDesigns.empty()) return;
        const QString file = FDesigns[static_cast<std::size_t>(Pick(FRandom, static_cast<int>(FDesigns.size())))];
        Trace("drop " + file);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        const QPointF at(FForm->width() / 2.0, FForm->height() / 2.0);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(FForm.get(), &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(FForm.get(), &drop);
    }

    void Resize() {
        const int w = 300 + Pick(FRandom, 1200), h = 250 + Pick(FRandom, 900);
        Trace(QString("resize %1 x %2").arg(w).arg(h));
        FForm->resize(w, h);
    }

    void CheckInvariants() {
        const TDesign& d = FForm->Design();
        const auto fault = [this](const std::string& aText) {
            FTally.faults.push_back("event " + std::to_string(FTally.events) + ": " + aText);
        };
        if (d.CurrentWire->Count() < 1) fault("the wire has no segment");
        if (FForm->SelectedNode() < 0 || FForm->SelectedNode() >= d.CurrentWire->Count())
            fault("the selected node " + std::to_string(FForm->SelectedNode()) + " is not on the wire");
        if (d.CurrentWire->Origin().get() != d.LeftBracket.Origin().get()) fault("the wire left its bracket");
        if (d.LeftForce.origin.get() != d.LeftBracket.Origin().get()) fault("the left load left its bracket");
        if (FForm->Action("ActionRun")->isEnabled() == FForm->Running()) fault("Run is enabled during a run");
        if (FForm->DisplayImage().size() != Display()->size()) fault("the picture does not fit the display");
        // Asked on every idle redraw: it must answer for any design.
        (void)LoadsMeetBracket(d, FForm->Settings().Activation);
    }

    void Report(double aSeconds) {
        std::printf("seed %llu: %ld events in %.0f s, %ld new sessions after Exit\n",
                    static_cast<unsigned long long>(FOptions.seed), FTally.events, aSeconds, FTally.restarts);
        for (const auto& [box, count] : FTally.boxes) std::printf("  %6ld  %s\n", count, box.c_str());
        for (const std::string& fault : FTally.faults) std::printf("FAULT %s\n", fault.c_str());
        if (FTally.faults.empty()) std::printf("seed %llu: %ld events ran clean\n",
                                               static_cast<unsigned long long>(FOptions.seed), FTally.events);
    }

    TOptions FOptions;
    TRandom FRandom;
    QString FHome;
    TPaths FPaths;
    std::vector<QString> FDesigns;
    TTally FTally;
    std::unique_ptr<TMainForm> FForm;
};

bool ParseOptions(int argc, char** argv, TOptions& aOptions) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--seed" && hasValue) aOptions.seed = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--events" && hasValue) aOptions.events = std::strtol(argv[++i], nullptr, 10);
        else if (arg == "--seconds" && hasValue) aOptions.seconds = std::strtod(argv[++i], nullptr);
        else if (arg == "--data" && hasValue) aOptions.dataFolders.push_back(QString::fromLocal8Bit(argv[++i]));
        else if (arg == "--trace") aOptions.trace = true;
        else return false;
    }
    return true;
}

}  // namespace
}  // namespace torvik

int main(int argc, char** argv) {
    torvik::TOptions options;
    if (!torvik::ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s [--seed N] [--events N] [--seconds S] [--trace] [--data DIR]...\n", argv[0]);
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Torvik");
    QTemporaryDir home;
    if (!home.isValid()) return 2;
    torvik::TMonkey monkey(options, home.path());
    return monkey.Run();
}
