#include "tables/ui/frmTab.h"

#include "data/App.h"
#include "data/CommandGuard.h"
#include "data/Errors.h"
#include "platform/CommandWindow.h"
#include "tables/TeamListPrintout.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

namespace fennick {

namespace {

const char* const kTabCaptions[] = {" General ", "  Decisions ", "  Religion ", "  Sermon Titles ", "  Team Names ",
                                    "Teams 21-40"};
const char* const kFrameCaptions[] = {"General", "Decsisons", "Church", "Sermons", "Teams", "Teams2"};

const char* const kWarning[] = {"WARNING!  ",
                                "Changes to decisions will be ",
                                "reflected  on all records which ",
                                "had previous decisions entered.   ",
                                "For example:",
                                "If you change Baptism to Tithe, all ",
                                "names previously marked as a ",
                                "decision for baptism will be shown ",
                                "as a decision to Tithe.",
                                "Make changes before you begin ",
                                "entering decisions.",
                                "Due to the way Fennick tracks statistics, you cannot change items 1,2 or 9."};

QString Indexed(const char* name, int i) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
}

// "prefDec(3)" -> 3; -1 for a name without an index.
int IndexOf(const QString& name) {
    const qsizetype open = name.indexOf(u'(');
    return open < 0 ? -1 : name.mid(open + 1, name.size() - open - 2).toInt();
}

QLabel* Heading(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    QFont bold = l->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    l->setFont(bold);
    return l;
}

bool IsLocked(int decision) {
    return decision == 1 || decision == 2 || decision == 9;
}

// The boxes whose change is marked when they are left, not at every keystroke: a change
// typed and taken back again marks nothing.
bool MarkedOnLeaving(const QString& name) {
    return name == QLatin1String("CrNameM_Box") || name == QLatin1String("CrDateM_Box") ||
           name == QLatin1String("LastMeetingBox");
}

}  // namespace

frmTab::frmTab(App& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("frmTab"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Fennick Preferences"));
    build();
    run([this] { frmTab_Load(app_, form_); });
}

template <typename T>
T* frmTab::add(T* widget, const QString& name) {
    widget->setObjectName(name);
    controls_.insert(name, widget);
    return widget;
}

QWidget* frmTab::textBox(const QString& name, QWidget* parent) {
    auto* box = add(new QLineEdit(parent), name);
    if (MarkedOnLeaving(name))
        box->installEventFilter(this);
    else
        connect(box, &QLineEdit::textEdited, this, [this, name] { run([this, name] { MarkChange(form_, name); }); });
    return box;
}

void frmTab::build() {
    tabs_ = add(new QTabWidget(this), QStringLiteral("tabPref"));
    const std::function<QWidget*()> pages[] = {[this] { return generalTab(); },  [this] { return decisionsTab(); },
                                               [this] { return churchesTab(); }, [this] { return sermonsTab(); },
                                               [this] { return teamsTab(1); },   [this] { return teamsTab(21); }};
    for (int i = 0; i < 6; ++i) {
        // Each frame scrolls within its tab, so the dialog fits a small screen.
        auto* scroll = new QScrollArea(tabs_);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(pages[i]());
        tabs_->addTab(scroll, QString::fromLatin1(kTabCaptions[i]));
    }
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (!running_) run([this, index] { tabPref_Click(form_, index + 1); });
    });

    auto button = [this](const char* name, const QString& caption) {
        auto* b = add(new QPushButton(caption, this), QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    auto* save = button("btnSave", QStringLiteral("Save Changes"));
    auto* cancel = button("btnCancel", QStringLiteral("Cancel"));
    auto* help = button("HelpButton", QString());
    help->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    help->setToolTip(QStringLiteral("Help"));
    auto* print = button("btnPrintTeams", QString());
    print->setIcon(QIcon::fromTheme(QStringLiteral("document-print"), style()->standardIcon(QStyle::SP_FileIcon)));
    print->setToolTip(QStringLiteral("Print the Team Names"));
    connect(save, &QPushButton::clicked, this, [this] {
        bool close = false;
        run([this, &close] {
            markFocusedBox();
            close = btnSave_Click(app_, form_);
        });
        if (close) this->close();
    });
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
    connect(help, &QPushButton::clicked, this, [this] { run([this] { HelpButton_Click(app_, form_); }); });
    connect(print, &QPushButton::clicked, this, [this] { run([this] { btnPrintTeams_Click(app_); }); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addWidget(print);
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto* column = new QVBoxLayout(this);
    column->addWidget(tabs_, 1);
    column->addLayout(buttons);

    // Room for the largest frame without scrolling, within the screen whatever the font.
    QSize largest;
    for (int i = 0; i < tabs_->count(); ++i)
        largest = largest.expandedTo(static_cast<QScrollArea*>(tabs_->widget(i))->widget()->sizeHint());
    QSize size = largest + QSize(48, tabs_->tabBar()->sizeHint().height() + save->sizeHint().height() + 56);
    if (const QScreen* s = screen()) size = size.boundedTo(s->availableGeometry().size() - QSize(40, 80));
    resize(size.expandedTo(QSize(560, 400)));
}

QWidget* frmTab::generalTab() {
    auto* frame = add(new QGroupBox(QString::fromLatin1(kFrameCaptions[0])), Indexed("fraTab", 1));
    auto* grid = new QGridLayout(frame);
    int row = 0;
    grid->addWidget(Heading(QStringLiteral("General Preferences"), frame), row++, 0, 1, 4);
    // Number boxes are as wide as a few digits.
    const int narrow = fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16;
    auto labelled = [&](const char* caption, const char* name, bool number) {
        grid->addWidget(new QLabel(QLatin1String(caption), frame), row, 0);
        QWidget* box = textBox(QLatin1String(name), frame);
        if (number) box->setFixedWidth(narrow);
        grid->addWidget(box, row++, 1, 1, number ? 1 : 3);
    };
    labelled("Crusade Name:", "CrNameM_Box", false);
    labelled("Crusade Date:", "CrDateM_Box", false);
    labelled("Last Meeting:", "LastMeetingBox", true);
    labelled("Print Cut Off", "PrintCutOffBox", true);
    grid->addWidget(new QLabel(QStringLiteral("Sabbath AM Meetings"), frame), row, 0);
    auto* sabbath = new QHBoxLayout;
    for (int i = 1; i <= 4; ++i) {
        QWidget* box = textBox(QStringLiteral("bxSabAM%1").arg(i), frame);
        box->setFixedWidth(narrow);
        sabbath->addWidget(box);
    }
    sabbath->addStretch(1);
    grid->addLayout(sabbath, row++, 1, 1, 3);
    labelled("Reserved Number", "ResNumMM", true);

    auto* direction = new QGroupBox(QStringLiteral("Direction for Reserved Numbers"), frame);
    auto* options = new QHBoxLayout(direction);
    const char* const captions[] = {"Up", "Down"};
    for (int i = 0; i < 2; ++i) {
        auto* o = add(new QRadioButton(QLatin1String(captions[i]), direction), Indexed("ResDirMM", i));
        options->addWidget(o);
        connect(o, &QRadioButton::clicked, this, [this, i] { run([this, i] { ResDirMM_Click(app_, form_, i); }); });
    }
    grid->addWidget(direction, row++, 0, 1, 4);

    const QPair<const char*, const char*> checks[] = {{"ckSoundOff", "Turn Sound off"},
                                                      {"ckCanada", "Use Canadian Zip Codes"},
                                                      {"boxShowButtonLabels", "Show Toolbar Button Labels "}};
    for (const auto& [name, caption] : checks) {
        auto* c = add(new QCheckBox(QLatin1String(caption), frame), QLatin1String(name));
        grid->addWidget(c, row++, 0, 1, 4);
        const QString n = QLatin1String(name);
        connect(c, &QCheckBox::clicked, this, [this, n] { run([this, n] { MarkChange(form_, n); }); });
    }
    control(QStringLiteral("boxShowButtonLabels"))
        ->setToolTip(QStringLiteral("Checking this box will show the labels for theToolbar Buttons on the Edit Screen.  "
                                    "Unchecking it will remove them."));

    auto* note = new QLabel(QStringLiteral("You can adjust the position of Mail labels.  Enter the number of "
                                           "milimeters to move down or right."),
                            frame);
    note->setWordWrap(true);
    grid->addWidget(note, row++, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Move Down (mm)"), frame), row, 0);
    grid->addWidget(textBox(QStringLiteral("bxLabelTop"), frame), row, 1);
    grid->addWidget(new QLabel(QStringLiteral("Move Right (mm)"), frame), row, 2);
    grid->addWidget(textBox(QStringLiteral("bxLabelRight"), frame), row++, 3);
    for (const char* name : {"bxLabelTop", "bxLabelRight"}) control(QLatin1String(name))->setFixedWidth(narrow);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(row, 1);
    return frame;
}

QWidget* frmTab::decisionsTab() {
    auto* frame = add(new QGroupBox(QString::fromLatin1(kFrameCaptions[1])), Indexed("fraTab", 2));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(Heading(QStringLiteral("Decision Titles and Codes"), frame), 0, 0, 1, 3);
    for (int i = 1; i <= 9; ++i) {
        grid->addWidget(add(new QLabel(QString::number(i), frame), Indexed("lblNightNo", i)), i, 0);
        for (const char* array : {"prefDec", "prefDecCode"}) {
            auto* box = static_cast<QLineEdit*>(textBox(Indexed(array, i), frame));
            if (IsLocked(i)) {
                // Decisions 1, 2 and 9 keep their titles and letters; a click says why.
                box->setReadOnly(true);
                box->installEventFilter(this);
            }
            if (array[7] == 'C') {
                box->setMaxLength(1);
                box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("WW")) + 16);
            }
            grid->addWidget(box, i, array[7] == 'C' ? 2 : 1);
        }
    }
    QStringList lines;
    for (const char* line : kWarning) lines << QLatin1String(line);
    auto* warning = add(new QLabel(lines.join(u'\n'), frame), QStringLiteral("PrefWarning"));
    warning->setFrameShape(QFrame::Box);
    warning->setWordWrap(true);
    grid->addWidget(warning, 1, 3, 9, 1, Qt::AlignTop);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(10, 1);
    return frame;
}

QWidget* frmTab::churchesTab() {
    auto* frame = add(new QGroupBox(QString::fromLatin1(kFrameCaptions[2])), Indexed("fraTab", 3));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(Heading(QStringLiteral("Church Preferences"), frame), 0, 0, 1, 4);
    for (int i = 1; i <= 14; ++i) {
        const int row = 1 + (i - 1) % 7, col = (i - 1) / 7 * 2;
        grid->addWidget(add(new QLabel(QString::number(i), frame), Indexed("lblReligionNo", i)), row, col);
        grid->addWidget(textBox(Indexed("prefReligion", i), frame), row, col + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(8, 1);
    return frame;
}

QWidget* frmTab::sermonsTab() {
    auto* frame = add(new QGroupBox(QString::fromLatin1(kFrameCaptions[3])), Indexed("fraTab", 4));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(Heading(QStringLiteral("Sermon Titles"), frame), 0, 0, 1, 4);
    for (int i = 1; i <= 40; ++i) {
        const int row = 1 + (i - 1) % 20, col = (i - 1) / 20 * 2;
        grid->addWidget(add(new QLabel(QString::number(i), frame), Indexed("lblNightNo2", i)), row, col);
        QWidget* box = textBox(Indexed("prefSerm", i), frame);
        box->installEventFilter(this);
        grid->addWidget(box, row, col + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return frame;
}

QWidget* frmTab::teamsTab(int first) {
    const int tab = first == 1 ? 5 : 6;
    auto* frame = add(new QGroupBox(QString::fromLatin1(kFrameCaptions[tab - 1])), Indexed("fraTab", tab));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(Heading(QStringLiteral("T E A M"), frame), 0, 0, 1, 2);
    grid->addWidget(Heading(QStringLiteral("N A M E S"), frame), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Name"), frame), 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Phone"), frame), 1, 2);
    for (int i = first; i < first + 20; ++i) {
        const int row = 2 + i - first;
        grid->addWidget(add(new QLabel(QString::number(i), frame), Indexed("lblTeam", i)), row, 0);
        QWidget* name = textBox(Indexed("Team", i), frame);
        name->installEventFilter(this);
        name->setToolTip(QStringLiteral("Double-click for the name \"Team #%1\"").arg(i));
        grid->addWidget(name, row, 1);
        grid->addWidget(textBox(Indexed("TmPhone", i), frame), row, 2);
    }
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 1);
    return frame;
}

bool frmTab::eventFilter(QObject* watched, QEvent* event) {
    const QString name = watched->objectName();
    const int i = IndexOf(name);
    if (event->type() == QEvent::FocusOut && MarkedOnLeaving(name) && !running_) {
        // Only the mark: the focus may be leaving because another tab is coming to the front.
        *form_.text(name) = static_cast<QLineEdit*>(watched)->text();
        MarkChange(form_, name);
    }
    if (event->type() == QEvent::MouseButtonPress && IsLocked(i)) {
        if (name.startsWith(QLatin1String("prefDecCode(")))
            run([this, i] { prefDecCode_Click(app_, form_, i); });
        else if (name.startsWith(QLatin1String("prefDec(")))
            run([this, i] { prefDec_Click(app_, form_, i); });
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick && name.startsWith(QLatin1String("Team("))) {
        run([this, i] { Team_DblClick(form_, i); });
        return true;
    }
    if (event->type() == QEvent::KeyPress && name.startsWith(QLatin1String("prefSerm("))) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            run([this, i] { prefSerm_KeyDown(form_, i); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmTab::showAgain() {
    run([this] { ShowPreferencesAgain(app_, form_); });
}

void frmTab::reject() {
    bool close = false;
    run([this, &close] {
        markFocusedBox();
        close = btnCancel_Click(app_, form_);
    });
    if (close) this->close();
}

void frmTab::closeEvent(QCloseEvent* event) {
    event->accept();
}

void frmTab::markFocusedBox() {
    // Esc leaves the box that holds the focus without a focus change.
    if (const QWidget* w = focusWidget(); w && MarkedOnLeaving(w->objectName())) MarkChange(form_, w->objectName());
}

void frmTab::run(const std::function<void()>& procedure) {
    if (running_) return;
    const CommandWindow command(this);
    running_ = true;
    collect();
    RunGuarded(app_, kSourceFennick95, procedure);
    present();
    running_ = false;
}

void frmTab::collect() {
    for (const QString& name : PreferenceTextBoxes())
        *form_.text(name) = static_cast<QLineEdit*>(control(name))->text();
    auto checked = [this](const char* name) { return static_cast<QAbstractButton*>(control(QLatin1String(name)))->isChecked(); };
    form_.ResDirMM = checked("ResDirMM(1)") ? 1 : checked("ResDirMM(0)") ? 0 : -1;
    form_.ckSoundOff = checked("ckSoundOff");
    form_.ckCanada = checked("ckCanada");
    form_.boxShowButtonLabels = checked("boxShowButtonLabels");
}

void frmTab::present() {
    for (const QString& name : PreferenceTextBoxes()) {
        auto* box = static_cast<QLineEdit*>(control(name));
        if (box->text() != *form_.text(name)) box->setText(*form_.text(name));
    }
    auto check = [this](const char* name, bool on) {
        static_cast<QAbstractButton*>(control(QLatin1String(name)))->setChecked(on);
    };
    // Neither option chosen: both are cleared.
    for (int i = 0; i < 2; ++i) {
        auto* o = static_cast<QRadioButton*>(control(Indexed("ResDirMM", i)));
        o->setAutoExclusive(form_.ResDirMM >= 0);
        o->setChecked(form_.ResDirMM == i);
        o->setAutoExclusive(true);
    }
    check("ckSoundOff", form_.ckSoundOff);
    check("ckCanada", form_.ckCanada);
    check("boxShowButtonLabels", form_.boxShowButtonLabels);
    tabs_->setCurrentIndex(form_.Tab - 1);
    control(QStringLiteral("btnPrintTeams"))->setVisible(form_.btnPrintTeams);

    const QString focus = std::exchange(form_.Focus, QString());
    const bool select = std::exchange(form_.SelectFocus, false);
    if (QWidget* w = control(focus)) {
        w->setFocus(Qt::OtherFocusReason);
        if (auto* box = qobject_cast<QLineEdit*>(w); box && select) box->selectAll();
    }
}

}  // namespace fennick
