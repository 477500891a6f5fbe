#include "tables/ui/EditZip.h"

#include "data/App.h"
#include "data/CommandGuard.h"
#include "data/Errors.h"
#include "platform/CommandWindow.h"
#include "tables/TeamTotals.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>
#include <tuple>
#include <utility>

namespace fennick {

namespace {

const char* const kSortCaptions[] = {"by Zip", "by City", "by Count"};

int KeyCode(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kZipKeyReturn;
        case Qt::Key_PageUp:
            return kZipKeyPageUp;
        case Qt::Key_PageDown:
            return kZipKeyPageDown;
        default:
            return 0;
    }
}

// A focus that leaves a box because another window came forward is no move of the user's
// within this window: the box's leave rule waits.
bool MovedWithinWindow(const QFocusEvent* e) {
    return e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason;
}

}  // namespace

EditZip::EditZip(App& app, QWidget* parent)
    : TableWindow(app, parent, QStringLiteral("EditZip"), &EditZipControls()) {
    setWindowTitle(QStringLiteral("Zip Codes"));
    build();
    form_.ShowNow = [this] { present(); };
    run([this] { EditZip_Load(app_, form_); });
}

QLineEdit* EditZip::box(const QString& name, int maxLength) {
    auto* b = add(new QLineEdit(this), name);
    b->setMaxLength(maxLength);
    // Short boxes are as wide as what they hold; the city takes the room left.
    const int width = b->fontMetrics().horizontalAdvance(QString(maxLength + 1, u'0')) + 16;
    if (maxLength <= 10) b->setFixedWidth(width);
    return b;
}

void EditZip::build() {
    auto label = [this](const char* name, const char* caption) {
        return add(new QLabel(QString::fromLatin1(caption), this), QLatin1String(name));
    };
    auto button = [this](const char* name, const char* caption) {
        auto* b = add(new QPushButton(QString::fromLatin1(caption), this), QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };

    auto* heading = label("Label2", "");
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    heading->setFont(bold);

    // The entry: labels over their boxes.
    auto* entry = new QGridLayout;
    entry->addWidget(label("ZipCodeLbl", "Zip Code"), 0, 0);
    entry->addWidget(label("CityLbl", "City"), 0, 1);
    entry->addWidget(label("StateLbl", "State"), 0, 2);
    entry->addWidget(label("WCLbl", "Team Code:"), 0, 3);
    entry->addWidget(label("NumberAddressesLbl", "Count"), 0, 4);
    entry->addWidget(box(QStringLiteral("Zip"), 10), 1, 0);
    entry->addWidget(box(QStringLiteral("City"), 15), 1, 1);
    entry->addWidget(box(QStringLiteral("State"), 2), 1, 2);
    entry->addWidget(box(QStringLiteral("WorkerCode"), 2), 1, 3);
    auto* count = box(QStringLiteral("NumberAddresses"), 5);
    count->setReadOnly(true);
    count->setFocusPolicy(Qt::NoFocus);
    entry->addWidget(count, 1, 4);
    entry->setColumnStretch(1, 1);

    // The record buttons around the counter.
    QHBoxLayout* moves = recordButtons();

    // Commands, each beside its label.
    auto* commands = new QGridLayout;
    int row = 0;
    for (const auto& [name, caption, labelName, labelText] :
         {std::tuple{"AddZip", "Add", "AddZipLbl", "Add New Names to File"},
          std::tuple{"Edit", "Edit ", "EditLbl", "Edit Existing Records"},
          std::tuple{"Search", "Search", "SearchLbl", "Search by  Zipcode or by City"},
          std::tuple{"AssignNames", "Update File", "Label1", "Update the file with the designated team number"}}) {
        commands->addWidget(button(name, caption), row, 0);
        auto* l = label(labelName, labelText);
        l->setWordWrap(true);
        commands->addWidget(l, row++, 1);
    }
    commands->addWidget(button("PrintZips", "Print"), row++, 0);
    // The team names are edited in the preferences dialog; without it the button stays
    // disabled.
    auto* teams = button("btnEditTeamNames", "Edit Team Names");
    connect(teams, &QPushButton::clicked, this, [this] {
        bool edited = false;
        run([this, &edited] { edited = btnEditTeamNames_Click(app_); });
        if (edited && showTotals) showTotals();
    });
    commands->addWidget(teams, row++, 0);
    commands->setColumnStretch(1, 1);

    auto* frame = add(new QGroupBox(QStringLiteral("Sort Zip Codes"), this), QStringLiteral("Frame1"));
    auto* options = new QVBoxLayout(frame);
    for (int i = 0; i < 3; ++i) {
        auto* o =
            add(new QRadioButton(QString::fromLatin1(kSortCaptions[i]), frame), QStringLiteral("SortOpt(%1)").arg(i));
        options->addWidget(o);
        connect(o, &QRadioButton::clicked, this, [this, i] { run([this, i] { SortOpt_Click(app_, form_, i); }); });
    }

    auto* side = new QVBoxLayout;
    side->addWidget(frame);
    side->addStretch(1);
    side->addWidget(button("CoseForm", "Close"));
    auto* lower = new QHBoxLayout;
    lower->addLayout(commands, 1);
    lower->addLayout(side);

    auto* column = new QVBoxLayout(this);
    column->addWidget(heading);
    column->addLayout(entry);
    column->addLayout(moves);
    column->addSpacing(8);
    column->addLayout(lower);

    setTabOrder(control(QStringLiteral("Zip")), control(QStringLiteral("City")));
    setTabOrder(control(QStringLiteral("City")), control(QStringLiteral("State")));
    setTabOrder(control(QStringLiteral("State")), control(QStringLiteral("WorkerCode")));

    using Procedure = void (*)(App&, ZipForm&);
    const QPair<const char*, Procedure> clicks[] = {
        {"FirstRecordButton", FirstRecordButton_Click},
        {"PreviousRecord", PreviousRecord_Click},
        {"NextRecord_Button", NextRecord_Button_Click},
        {"LastRecordButton", LastRecordButton_Click},
        {"AddZip", AddZip_Click},
        {"Edit", Edit_Click},
        {"Search", Search_Click},
        {"PrintZips", PrintZips_Click},
        {"AssignNames", AssignNames_Click},
    };
    for (const auto& [name, procedure] : clicks)
        connect(static_cast<QAbstractButton*>(control(QLatin1String(name))), &QAbstractButton::clicked, this,
                [this, procedure = procedure] { run([this, procedure] { procedure(app_, form_); }); });
    connect(static_cast<QAbstractButton*>(control(QStringLiteral("CoseForm"))), &QAbstractButton::clicked, this,
            [this] { close(); });

    for (const char* name : {"State", "WorkerCode"}) control(QLatin1String(name))->installEventFilter(this);
    resize(sizeHint().expandedTo(QSize(560, 0)));
}

bool EditZip::event(QEvent* event) {
    // Raised by the program or activated by the user: the one place every way forward passes.
    const bool forward = event->type() == QEvent::ZOrderChange || event->type() == QEvent::WindowActivate;
    if (forward && isVisible() && broughtForward && !bringingForward_) {
        bringingForward_ = true;
        broughtForward();
        bringingForward_ = false;
    }
    return TableWindow::event(event);
}

bool EditZip::eventFilter(QObject* watched, QEvent* event) {
    const bool teamCode = watched == control(QStringLiteral("WorkerCode"));
    switch (event->type()) {
        case QEvent::FocusIn:
            if (teamCode) static_cast<QLineEdit*>(watched)->selectAll();
            break;
        case QEvent::FocusOut:
            if (running_ || closing_ || !MovedWithinWindow(static_cast<QFocusEvent*>(event))) break;
            if (teamCode)
                run([this] { teamChanged_ = WorkerCode_LostFocus(app_, form_); });
            else
                run([this] { State_LostFocus(app_, form_); });
            break;
        case QEvent::KeyPress: {
            const int code = teamCode ? KeyCode(static_cast<QKeyEvent*>(event)->key()) : 0;
            if (code == 0 || running_) break;
            bool taken = false;
            run([this, code, &taken] { taken = WorkerCode_KeyDown(app_, form_, code, teamChanged_); });
            return taken;
        }
        default:
            break;
    }
    return TableWindow::eventFilter(watched, event);
}

void EditZip::activate() {
    run([this] { EditZip_Activate(app_); });
}

void EditZip::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        // Decided unless a box is refused; the totals go with the editor in any case.
        closing_ = true;
        bool keep = false;
        run([this, &keep] { keep = CoseForm_Click(app_, form_); });
        if (!keep) {
            closing_ = false;
            event->ignore();
            return;
        }
        if (closedByUser) closedByUser();
    }
    event->accept();
}

void EditZip::closeKeepingEntry() {
    if (closing_) return;
    closing_ = true;
    run([this] { SaveZipChanges(app_, form_); });
    close();
}

void EditZip::focusTeamCode() {
    raise();
    activateWindow();
    control(QStringLiteral("WorkerCode"))->setFocus(Qt::OtherFocusReason);
    static_cast<QLineEdit*>(control(QStringLiteral("WorkerCode")))->selectAll();
}

void EditZip::run(const std::function<void()>& procedure) {
    const CommandWindow command(this);
    const std::array<int, 41> before = TeamTotals(app_.crusade);
    running_ = true;
    collect();
    RunGuarded(app_, kSourceFennick95, procedure);
    // The procedures that move the focus have run the leave rule of the box it leaves.
    present();
    running_ = false;
    // A team code changed: the totals show again, unless the editor is closing.
    const bool teamChanged = std::exchange(teamChanged_, false) || TeamTotals(app_.crusade) != before;
    if (teamChanged && !closing_ && showTotals) showTotals();
}

void EditZip::collect() {
    auto text = [this](const char* name) { return static_cast<QLineEdit*>(control(QLatin1String(name)))->text(); };
    form_.Zip = text("Zip");
    form_.State = text("State");
    form_.WorkerCode = text("WorkerCode");
    form_.City = text("City");
}

void EditZip::present() {
    showText("Zip", form_.Zip);
    showText("State", form_.State);
    showText("WorkerCode", form_.WorkerCode);
    showText("City", form_.City);
    showText("NumberAddresses", form_.NumberAddresses);
    showText("RCounter", form_.RCounter);
    static_cast<QLabel*>(control(QStringLiteral("Label2")))->setText(form_.Label2);
    setWindowTitle(form_.Caption);
    for (const char* name : {"AddZip", "AddZipLbl", "Search", "SearchLbl"})
        control(QLatin1String(name))->setVisible(!form_.Adding);
    for (const char* name : {"Edit", "EditLbl"}) control(QLatin1String(name))->setVisible(form_.Adding);
    static_cast<QRadioButton*>(control(QStringLiteral("SortOpt(%1)").arg(form_.SortOpt)))->setChecked(true);
    control(QStringLiteral("btnEditTeamNames"))->setEnabled(bool(app_.hooks.editTeamNames));

    const QString focus = std::exchange(form_.Focus, QString());
    if (std::exchange(form_.SelectTeamCode, false))
        static_cast<QLineEdit*>(control(QStringLiteral("WorkerCode")))->selectAll();
    if (QWidget* w = control(focus)) w->setFocus(Qt::OtherFocusReason);
}

}  // namespace fennick
