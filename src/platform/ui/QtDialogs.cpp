#include "platform/ui/QtDialogs.h"

#include "platform/CommandWindow.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <functional>
#include <limits>
#include <utility>
#include <vector>

namespace fennick {

namespace {

// What a title bar takes beside its title: the window's icon and its buttons.
constexpr int kTitleBarButtonsRoom = 120;

std::vector<QMessageBox::StandardButton> ButtonsOf(Buttons b) {
    switch (b) {
        case Buttons::OK:
            return {QMessageBox::Ok};
        case Buttons::OKCancel:
            return {QMessageBox::Ok, QMessageBox::Cancel};
        case Buttons::YesNo:
            return {QMessageBox::Yes, QMessageBox::No};
        case Buttons::YesNoCancel:
            return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
        case Buttons::RetryCancel:
            return {QMessageBox::Retry, QMessageBox::Cancel};
    }
    return {QMessageBox::Ok};
}

QMessageBox::Icon IconOf(Icon i) {
    switch (i) {
        case Icon::None:
            return QMessageBox::NoIcon;
        case Icon::Critical:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Information:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

QString Title(const std::optional<QString>& title) {
    return title.value_or(kAppTitle);
}

// One Windows pattern ("*.dta") as Qt patterns, with its upper-case spelling.
QStringList QtPatterns(const QString& patterns) {
    QStringList out;
    for (QString p : patterns.split(u';', Qt::SkipEmptyParts)) {
        p = p.trimmed();
        if (p.isEmpty()) continue;
        if (p == QLatin1String("*.*")) p = QStringLiteral("*");
        if (!out.contains(p)) out << p;
        const QString upper = p.toUpper();
        if (!out.contains(upper)) out << upper;
    }
    return out;
}

QString InitialPath(const FileDialogSpec& spec) {
    if (spec.fileName.isEmpty()) return spec.initialDir;
    if (spec.initialDir.isEmpty()) return spec.fileName;
    return QDir(spec.initialDir).filePath(spec.fileName);
}

QString SelectedFilter(const QStringList& filters, int filterIndex) {
    if (filterIndex < 1 || filterIndex > filters.size()) return filters.value(0);
    return filters.at(filterIndex - 1);
}

std::optional<QString> Chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path;
}

// Tells over dialog why the name chosen in it is refused; the dialog stays open.
void ShowRefusal(QWidget* dialog, const QString& refusal) {
    QMessageBox box(dialog);
    PrepareMessageBox(box, {refusal, Buttons::OK, Icon::Exclamation, std::nullopt});
    box.exec();
}

// A file dialog that, given a save dialog's refusal, asks it of the name chosen before it
// closes, so that a refused file is told before anything else is asked of it. A dialog of
// the desktop's own (without Qt's name box) closes first; its caller asks then.
class CheckedFileDialog : public QFileDialog {
public:
    CheckedFileDialog(QWidget* parent, const QString& title, const QString& path, const QString& filter,
                      std::function<QString(const QString&)> refusal)
        : QFileDialog(parent, title, path, filter), refusal_(std::move(refusal)) {}

    void accept() override {
        const auto* nameBox = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (refusal_ && nameBox && nameBox->isVisible()) {
            const QString chosen = selectedFiles().value(0);
            if (!chosen.isEmpty() && !QFileInfo(chosen).isDir()) {
                if (const QString refusal = refusal_(chosen); !refusal.isEmpty()) {
                    ShowRefusal(this, refusal);
                    return;
                }
            }
        }
        QFileDialog::accept();
    }

private:
    std::function<QString(const QString&)> refusal_;
};

// The filter of filterIndex is selected before the proposed name is put in: in a save
// dialog, selecting a filter puts the filter's extension in place of the name's, and the
// name proposed is the one meant.
std::optional<QString> RunFileDialog(QWidget* parent, const FileDialogSpec& spec, QFileDialog::AcceptMode accept,
                                     QFileDialog::FileMode mode, QFileDialog::Options options) {
    const QStringList filters = QtFileFilters(spec.filter);
    CheckedFileDialog dlg(parent, spec.title, InitialPath(spec), filters.join(QStringLiteral(";;")),
                          accept == QFileDialog::AcceptSave ? spec.refusal : nullptr);
    dlg.setAcceptMode(accept);
    dlg.setFileMode(mode);
    dlg.setOptions(options);
    if (!filters.isEmpty()) dlg.selectNameFilter(SelectedFilter(filters, spec.filterIndex));
    if (!spec.fileName.isEmpty()) dlg.selectFile(InitialPath(spec));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    return Chosen(dlg.selectedFiles().constFirst());
}

}  // namespace

namespace {

// Whether dialog stands over window: window, or a widget of it, is one of its owners.
bool StandsOver(const QWidget* dialog, const QWidget* window) {
    for (const QWidget* p = dialog->parentWidget(); p; p = p->parentWidget())
        if (p->window() == window) return true;
    return false;
}

}  // namespace

QWidget* DialogOwner(QWidget* fallback) {
    // Qt's own list of modal windows, kept as they are shown and hidden: no guess at what
    // the window manager has activated.
    QWidget* modal = QApplication::activeModalWidget();
    const QList<QPointer<QObject>>& running = CommandWindow::running();
    for (qsizetype i = running.size() - 1; i >= 0; --i) {
        const auto* w = qobject_cast<QWidget*>(running.at(i).data());
        // A window closed by its own command leaves the question to the command that ran it.
        if (!w || !w->window()->isVisible()) continue;
        QWidget* window = w->window();
        // A modal dialog opened by the command asks in its stead.
        return modal && modal != window && StandsOver(modal, window) ? modal : window;
    }
    if (modal) return modal;
    if (fallback && fallback->isVisible()) return fallback;
    QWidget* active = QApplication::activeWindow();
    return active && active->isVisible() ? active : fallback;
}

namespace {

// A dialog's owner while it runs. The window in use is made active again when the dialog
// goes, since the focus may pass to another of the program's windows at that moment.
class OwnerScope {
public:
    explicit OwnerScope(QWidget* fallback) : owner_(DialogOwner(fallback)) {
        if (owner_ != fallback) inUse_ = owner_;
    }
    ~OwnerScope() {
        if (!inUse_ || !inUse_->isVisible() || QApplication::activeWindow() == inUse_) return;
        inUse_->raise();
        inUse_->activateWindow();
    }
    OwnerScope(const OwnerScope&) = delete;
    OwnerScope& operator=(const OwnerScope&) = delete;
    QWidget* owner() const { return owner_; }

private:
    QWidget* owner_;
    QPointer<QWidget> inUse_;
};

// Qt's printer dialog asks whether to overwrite an existing PDF file as soon as OK is
// pressed: the refusal of the file named in its file box ("filename", enabled while the
// output is a PDF file) is asked first, and a refused file keeps the dialog open. Where
// the dialog's parts are not found its caller asks after it closes.
void CheckPdfFileOnOk(QPrintDialog& dlg, const std::function<QString(const QString&)>& refusal) {
    auto* buttons = dlg.findChild<QDialogButtonBox*>();
    auto* fileBox = dlg.findChild<QLineEdit*>(QStringLiteral("filename"));
    if (!refusal || !buttons || !fileBox) return;
    if (!QObject::disconnect(buttons, SIGNAL(accepted()), &dlg, nullptr)) return;
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dlg, [&dlg, fileBox, refusal] {
        if (fileBox->isEnabled() && !fileBox->text().isEmpty()) {
            if (const QString why = refusal(fileBox->text()); !why.isEmpty()) {
                ShowRefusal(&dlg, why);
                return;
            }
        }
        // Qt's own checks of the fields, its question of an existing file among them; a Qt
        // without that step takes the choice as it stands.
        if (!QMetaObject::invokeMethod(&dlg, "_q_checkFields")) dlg.accept();
    });
}

}  // namespace

QStringList QtFileFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString desc = parts.at(i).trimmed();
        const QStringList patterns = QtPatterns(parts.at(i + 1));
        if (patterns.isEmpty()) continue;
        out << desc + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return out;
}

QString ShownText(const QString& text) {
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

QString WrappableText(const QString& text) {
    constexpr QChar kZeroWidthSpace(0x200B);
    QString out;
    out.reserve(text.size());
    qsizetype start = 0;  // of the run being read
    const auto endRun = [&](qsizetype end) {
        const QStringView run = QStringView(text).mid(start, end - start);
        if (run.size() <= kLongestWhole) {
            out += run;
            return;
        }
        for (qsizetype i = 0; i < run.size(); ++i) {
            out += run[i];
            if (i + 1 < run.size() && !run[i].isHighSurrogate()) out += kZeroWidthSpace;
        }
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!c.isSpace() && c != u'/' && c != u'\\') continue;
        endRun(i);
        out += c;
        start = i + 1;
    }
    endRun(text.size());
    return out;
}

void PrepareMessageBox(QMessageBox& box, const MessageBoxSpec& spec) {
    box.setWindowTitle(Title(spec.title));
    box.setTextFormat(Qt::PlainText);
    // A long path wraps within the box, which would cut a word wider than itself.
    box.setText(WrappableText(ShownText(spec.text)));
    box.setIcon(IconOf(spec.icon));
    const auto buttons = ButtonsOf(spec.buttons);
    QMessageBox::StandardButtons set;
    for (auto b : buttons) set |= b;
    box.setStandardButtons(set);
    const std::size_t def = spec.defaultButton >= 1 ? std::size_t(spec.defaultButton) : 1;
    box.setDefaultButton(buttons.at(std::min(def, buttons.size()) - 1));
    // Closing the box by its title bar or Esc gives the answer of Cancel, or of No.
    if (set.testFlag(QMessageBox::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    else if (set.testFlag(QMessageBox::No))
        box.setEscapeButton(QMessageBox::No);
    else
        box.setEscapeButton(QMessageBox::Ok);
    // The box is at least as wide as its title needs in a title bar's bold font, so that
    // a short text does not leave the title cut; never wider than the screen.
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    int titleWidth = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarButtonsRoom;
    if (const QScreen* s = box.screen()) titleWidth = std::min(titleWidth, s->availableGeometry().width() - 40);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

int MessageBoxAnswer(const MessageBoxSpec& spec, QMessageBox::StandardButton clicked) {
    switch (clicked) {
        case QMessageBox::Ok:
            return AnsOK;
        case QMessageBox::Cancel:
            return AnsCancel;
        case QMessageBox::Yes:
            return AnsYes;
        case QMessageBox::No:
            return AnsNo;
        case QMessageBox::Retry:
            return AnsRetry;
        default:
            break;
    }
    // No button was clicked (the box was closed another way).
    switch (spec.buttons) {
        case Buttons::OK:
            return AnsOK;
        case Buttons::YesNo:
            return AnsNo;
        default:
            return AnsCancel;
    }
}

namespace {

// A window's frame margins. Before a window is mapped some platforms report none, though it
// gets a title bar: at least one is allowed for at the top.
QMargins FrameMargins(const QWidget* w) {
    const QRect outer = w->frameGeometry(), inner = w->geometry();
    QMargins m(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
               outer.bottom() - inner.bottom());
    m.setTop(std::max(m.top(), w->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, w)));
    return m;
}

// Where a box of frame size stands so that it leaves the rectangle about in view: below
// it, else beside it (right, then left), else above it, each within room; where none of
// these fits, the place of the four that covers least of it. The top-left of the frame.
QPoint MessageBoxPlace(const QRect& about, const QSize& frame, const QRect& room) {
    constexpr int kGap = 8;
    const auto within = [&](int x, int y) {
        return QPoint(std::clamp(x, room.left(), std::max(room.left(), room.right() + 1 - frame.width())),
                      std::clamp(y, room.top(), std::max(room.top(), room.bottom() + 1 - frame.height())));
    };
    const int centred = about.center().x() - frame.width() / 2;
    const QPoint places[] = {
        within(centred, about.bottom() + 1 + kGap),
        within(about.right() + 1 + kGap, about.top()),
        within(about.left() - kGap - frame.width(), about.top()),
        within(centred, about.top() - kGap - frame.height()),
    };
    QPoint best = places[0];
    qint64 least = std::numeric_limits<qint64>::max();
    for (const QPoint& p : places) {
        const QRect covered = QRect(p, frame) & about;
        const qint64 area = covered.isEmpty() ? 0 : qint64(covered.width()) * covered.height();
        if (area < least) {
            least = area;
            best = p;
        }
    }
    return best;
}

// The screen rectangle of the controls named: the visible ones of owner's window, or else of
// the innermost window whose command runs that has any; empty when none is shown.
QRect ControlsRect(const QWidget* owner, const QStringList& names) {
    if (names.isEmpty()) return {};
    QList<const QWidget*> windows;
    if (owner) windows << owner->window();
    const QList<QPointer<QObject>>& running = CommandWindow::running();
    for (qsizetype i = running.size() - 1; i >= 0; --i)
        if (const auto* w = qobject_cast<QWidget*>(running.at(i).data())) windows << w->window();
    for (const QWidget* window : std::as_const(windows)) {
        QRect shown;
        // Another top-level window may be a child object of this one: only its own controls count.
        for (const QWidget* c : window->findChildren<QWidget*>())
            if (c->window() == window && c->isVisible() && names.contains(c->objectName()))
                shown |= QRect(c->mapToGlobal(QPoint(0, 0)), c->size());
        if (!shown.isEmpty()) return shown;
    }
    return {};
}

// A message box that stands clear of the controls its question is about, once it knows its
// size and before it appears. Its frame is taken to be as its owner's.
class PlacedMessageBox : public QMessageBox {
public:
    PlacedMessageBox(QWidget* owner, const QStringList& about) : QMessageBox(owner), owner_(owner), about_(about) {}

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        const QRect region = ControlsRect(owner_, about_);
        if (region.isEmpty()) return;
        const QScreen* s = QGuiApplication::screenAt(region.center());
        if (!s) s = screen();
        if (!s) return;
        const QMargins frame = FrameMargins(owner_ ? owner_->window() : this);
        const QPoint at = MessageBoxPlace(region, size().grownBy(frame), s->availableGeometry());
        // The box's own place within its frame: how a move of a window not yet mapped counts
        // its frame differs between window managers.
        setGeometry(QRect(at + QPoint(frame.left(), frame.top()), size()));
    }

private:
    QPointer<QWidget> owner_;
    QStringList about_;
};

// A text taller than half the screen shows the first lines of each of its paragraphs in the
// box, as many as fit (so that a paragraph further down, such as what a command did not do
// or the question asked, is never out of sight), and the whole of it in the box's details
// (a scrolling area opened by "Show Details..."), so that the box, its buttons and its
// opened details stay on the screen.
void KeepTextOnScreen(QMessageBox& box, const QString& text) {
    const QScreen* s = box.screen();
    if (!s) return;
    const QRect room = s->availableGeometry();
    const int most = room.height() / 2;
    // The narrowest the box's label may wrap its lines at: the box's usual width, less its
    // icon and margins.
    constexpr int kIconAndMargins = 140;
    const int width = std::max(100, std::min(room.width() / 2, 500) - kIconAndMargins);
    const QFontMetrics metrics(box.font());
    const auto height = [&](const QString& t) {
        return metrics.boundingRect(QRect(0, 0, width, std::numeric_limits<int>::max() / 2), Qt::TextWordWrap, t)
            .height();
    };
    const QString shown = WrappableText(ShownText(text));
    if (height(shown) <= most) return;
    const QString rest = QStringLiteral("\n\nThe whole message is under Show Details.");
    const QString cut = QStringLiteral("\n\u2026");
    QList<QStringList> paragraphs;
    for (const QString& p : shown.split(QStringLiteral("\n\n"))) paragraphs << p.split(u'\n');
    // Each paragraph's first k lines, a paragraph cut there ending in the mark.
    const auto firstLines = [&](qsizetype k) {
        QStringList out;
        for (const QStringList& lines : paragraphs)
            out << (lines.size() <= k ? lines.join(u'\n') : lines.mid(0, k).join(u'\n') + cut);
        return out.join(QStringLiteral("\n\n"));
    };
    qsizetype k = 1;
    while (height(firstLines(k + 1) + rest) <= most && firstLines(k + 1) != firstLines(k)) ++k;
    QString head = firstLines(k);
    // So many paragraphs that even their first lines do not fit: the first of them.
    while (height(head + rest) > most && head.contains(u'\n')) head.truncate(head.lastIndexOf(u'\n'));
    box.setText(head + (head.endsWith(cut) ? QString() : cut) + rest);
    box.setDetailedText(ShownText(text));
}

}  // namespace

int QtDialogs::messageBox(const MessageBoxSpec& spec) {
    const OwnerScope scope(parent_);
    PlacedMessageBox box(scope.owner(), spec.about);
    PrepareMessageBox(box, spec);
    KeepTextOnScreen(box, spec.text);
    box.exec();
    return MessageBoxAnswer(spec, box.standardButton(box.clickedButton()));
}

QString QtDialogs::inputBox(const InputBoxSpec& spec) {
    const OwnerScope scope(parent_);
    QInputDialog dlg(scope.owner());
    dlg.setWindowTitle(Title(spec.title));
    dlg.setLabelText(ShownText(spec.prompt));
    dlg.setTextValue(spec.defaultText);
    // Wide enough for the text offered (a report title), within what a small screen holds.
    const int offered = dlg.fontMetrics().horizontalAdvance(spec.defaultText) + 60;
    dlg.setMinimumWidth(std::min(offered, 640));
    if (spec.position) dlg.move(*spec.position);
    if (dlg.exec() != QDialog::Accepted) return QString();
    return dlg.textValue();
}

std::optional<QString> QtDialogs::openFile(const FileDialogSpec& spec) {
    const OwnerScope scope(parent_);
    return RunFileDialog(scope.owner(), spec, QFileDialog::AcceptOpen,
                         spec.mayCreate ? QFileDialog::AnyFile : QFileDialog::ExistingFile, QFileDialog::Options());
}

std::optional<QString> QtDialogs::saveFile(const FileDialogSpec& spec) {
    const QFileDialog::Options options =
        spec.askToReplace ? QFileDialog::Options() : QFileDialog::Options(QFileDialog::DontConfirmOverwrite);
    const OwnerScope scope(parent_);
    return RunFileDialog(scope.owner(), spec, QFileDialog::AcceptSave, QFileDialog::AnyFile, options);
}

std::optional<PrinterChoice> QtDialogs::selectPrinter(const PrinterDialogSpec& spec) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setCopyCount(spec.copies);
    printer.setFromTo(spec.fromPage, spec.toPage);
    const OwnerScope scope(parent_);
    QPrintDialog dlg(&printer, scope.owner());
    dlg.setMinMax(spec.minPage, spec.maxPage);
    dlg.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintToFile |
                   QAbstractPrintDialog::PrintShowPageSize);
    CheckPdfFileOnOk(dlg, spec.refusal);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;

    PrinterChoice c;
    c.copies = printer.copyCount();
    const bool range = printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0;
    c.fromPage = range ? printer.fromPage() : spec.minPage;
    c.toPage = range ? printer.toPage() : spec.maxPage;
    c.toPdf = printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
    if (c.toPdf) c.pdfPath = printer.outputFileName();
    c.printerName = printer.printerName();
    return c;
}

}  // namespace fennick
