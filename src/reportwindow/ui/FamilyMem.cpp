#include "reportwindow/ui/FamilyMem.h"

#include "data/App.h"
#include "data/CommandGuard.h"
#include "data/Errors.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace fennick {

namespace {

// The members' column scrolls beyond this height, so that a large household fits the screen.
constexpr int kMembersHeight = 420;

}  // namespace

FamilyMem::FamilyMem(App& app, const QList<QByteArray>& family, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("FamilyMem"));
    setModal(true);
    form_.FamilyList = family;

    txtEditFamily = new QLabel(this);
    txtEditFamily->setObjectName(QStringLiteral("txtEditFamily"));
    auto* heading = new QLabel(QStringLiteral("(Age)"), this);
    heading->setObjectName(QStringLiteral("Label2"));
    auto* list = new QWidget;
    members_ = new QGridLayout(list);
    members_->setAlignment(Qt::AlignTop);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(list);
    scroll->setWidgetResizable(true);
    scroll->setMaximumHeight(kMembersHeight);
    scroll->setMinimumWidth(340);

    RecordCounter = new QLineEdit(this);
    RecordCounter->setObjectName(QStringLiteral("RecordCounter"));
    RecordCounter->setReadOnly(true);
    RecordCounter->setAlignment(Qt::AlignCenter);
    RecordCounter->setFixedWidth(90);
    auto* moves = new QHBoxLayout;
    auto button = [&](const char* name, const char* caption, void (*rule)(App&, FamilyMemForm&)) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, rule] { run([this, rule] { rule(app_, form_); }); });
        moves->addWidget(b);
    };
    button("FirstFmy", "|<", FirstFmy_Click);
    button("btnPrevFmy", "<", btnPrevFmy_Click);
    moves->addWidget(RecordCounter);
    button("btmNextFmy", ">", btnNextFmy_Click);
    button("LastFamily", ">|", LastFamily_Click);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("SelMlLClose"));
    connect(close, &QPushButton::clicked, this, [this] { run([this] { SelMlLClose_Click(form_); }); });

    auto* head = new QHBoxLayout;
    head->addWidget(txtEditFamily, 1);
    head->addWidget(heading);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(scroll);
    layout->addLayout(moves);
    layout->addWidget(close, 0, Qt::AlignRight);

    run([this] { FamilyMem_Load(app_, form_); });
}

void FamilyMem::edit(App& app, QList<QByteArray>& family, QWidget* parent) {
    FamilyMem editor(app, family, parent);
    editor.exec();
    family = editor.form().FamilyList;
}

void FamilyMem::run(const std::function<void()>& rule) {
    readBoxes();
    RunGuarded(app_, kSourceFennick95, rule);
    if (form_.unloaded) {
        done(QDialog::Accepted);
        return;
    }
    showForm();
}

void FamilyMem::done(int result) {
    // However it closes, the household shown gets its marks for the caller.
    if (!closing_) {
        closing_ = true;
        readBoxes();
        FamilyMem_Unload(form_);
    }
    QDialog::done(result);
}

void FamilyMem::readBoxes() {
    for (int i = 0; i < ckFamily.size() && i < form_.ckFamily.size(); ++i) {
        const Qt::CheckState s = ckFamily[i]->checkState();
        form_.ckFamily[i] = s == Qt::Checked ? kBoxTicked : s == Qt::PartiallyChecked ? kBoxGreyed : kBoxClear;
    }
}

void FamilyMem::showForm() {
    setWindowTitle(form_.caption);
    RecordCounter->setText(form_.RecordCounter);
    txtEditFamily->setText(form_.txtEditFamily);
    // The boxes of the household left go; a box per member of the one shown.
    qDeleteAll(ckFamily);
    qDeleteAll(MLAge);
    ckFamily.clear();
    MLAge.clear();
    QWidget* list = members_->parentWidget();
    for (int i = 0; i < form_.ckFamily.size(); ++i) {
        auto* box = new QCheckBox(form_.ckFamilyCaption.value(i), list);
        box->setObjectName(QStringLiteral("ckFamily(%1)").arg(i + 1));
        const int v = form_.ckFamily[i];
        box->setCheckState(v == kBoxTicked ? Qt::Checked : v == kBoxGreyed ? Qt::PartiallyChecked : Qt::Unchecked);
        auto* age = new QLabel(form_.MLAge.value(i), list);
        age->setObjectName(QStringLiteral("MLAge(%1)").arg(i + 1));
        members_->addWidget(box, i, 0);
        members_->addWidget(age, i, 1);
        ckFamily << box;
        MLAge << age;
    }
}

}  // namespace fennick
