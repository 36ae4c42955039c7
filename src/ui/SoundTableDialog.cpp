#include "ui/SoundTableDialog.h"

#include "base/Text.h"
#include "external/LoaderProgress.h"
#include "ui/HeaderBand.h"
#include "ui/ListIcons.h"

#include <QtCore/QMetaObject>
#include <QtCore/QUrl>
#include <QtGui/QCloseEvent>
#include <QtGui/QDesktopServices>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QFrame>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeWidget>
#include <QtWidgets/QVBoxLayout>

namespace parlix::ui {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
QString T(TrText text) {
    return Q(Tr(text));
}

QTreeWidget* MakeList(QWidget* parent, const QString& name, const QStringList& headings) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setHeaderLabels(headings);
    list->header()->setStretchLastSection(true);
    list->setColumnWidth(0, 24);
    return list;
}

void AutosizeColumns(QTreeWidget* list) {
    for (int column = 1; column < list->columnCount(); ++column)
        list->resizeColumnToContents(column);
}

}  // namespace

SoundTableDialog::SoundTableDialog(QWidget* parent, FrontEnd& frontEnd, std::string programFolder,
                                   std::function<std::string()> port)
    : QDialog(parent) {
    setObjectName(QStringLiteral("soundTableDialog"));
    setModal(false);
    SetTitle(false);

    // The header band: the step, then what happens.
    const HeaderBand top = MakeHeaderBand(this);
    QFrame* band = top.band;
    header_ = top.title;
    status_ = top.detail;
    status_->setObjectName(QStringLiteral("status"));
    auto* bandLayout = new QVBoxLayout(band);
    bandLayout->addWidget(header_);
    bandLayout->addWidget(status_);

    projects_ = MakeList(
        this, QStringLiteral("projectList"),
        {QString(), T(PX_TR("CustomData", "Project")), T(PX_TR("CustomData", "Filename"))});
    data_ = MakeList(this, QStringLiteral("dataList"),
                     {QString(), T(PX_TR("CustomData", "Index")), T(PX_TR("CustomData", "Label"))});

    auto* projectButtons = new QVBoxLayout;
    projectButtons->addWidget(
        AddButton(SoundTableControl::Import, T(PX_TR("CustomData", "&Import ..."))));
    projectButtons->addWidget(
        AddButton(SoundTableControl::Remove, T(PX_TR("CustomData", "&Remove"))));
    projectButtons->addWidget(
        AddButton(SoundTableControl::MoveUp, T(PX_TR("CustomData", "Move &Up"))));
    projectButtons->addWidget(
        AddButton(SoundTableControl::MoveDown, T(PX_TR("CustomData", "Move &Down"))));
    projectButtons->addWidget(
        AddButton(SoundTableControl::OpenExternally, T(PX_TR("CustomData", "&Open Externally"))));
    projectButtons->addWidget(
        AddButton(SoundTableControl::Refresh, T(PX_TR("CustomData", "Re&fresh"))));
    projectButtons->addStretch(1);
    projectButtons->addWidget(AddButton(SoundTableControl::ExportHeader,
                                        T(PX_TR("CustomData", "&Export as header ..."))));

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progressBar"));
    progress_->setRange(0, kLoaderProgressRange);
    progress_->setTextVisible(false);
    progress_->setVisible(false);

    slow_ = new QCheckBox(T(PX_TR("CustomData", "&Slow Transfer")), this);
    slow_->setObjectName(QStringLiteral("slowTransfer"));
    buttons_[SoundTableControl::SlowTransfer] = slow_;
    oldFormat_ = new QCheckBox(T(PX_TR("CustomData", "Old For&mat (Parlix 2.0)")), this);
    oldFormat_->setObjectName(QStringLiteral("oldFormat"));
    buttons_[SoundTableControl::OldFormat] = oldFormat_;
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(slow_);
    bottom->addWidget(oldFormat_);
    bottom->addStretch(1);
    bottom->addWidget(AddButton(SoundTableControl::Download, T(PX_TR("CustomData", "Do&wnload"))));
    bottom->addWidget(AddButton(SoundTableControl::Cancel, T(PX_TR("CustomData", "&Cancel"))));

    auto* body = new QGridLayout;
    body->addWidget(projects_, 0, 0);
    body->addLayout(projectButtons, 0, 1, 2, 1);
    body->addWidget(data_, 1, 0);
    body->addWidget(progress_, 2, 0, 1, 2);
    body->addLayout(bottom, 3, 0, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(band);
    auto* inner = new QVBoxLayout;
    inner->setContentsMargins(11, 6, 11, 11);
    inner->addLayout(body);
    layout->addLayout(inner, 1);
    resize(560, 440);

    flow_ = std::make_unique<SoundTableFlow>(*this, frontEnd, *this, std::move(programFolder),
                                             std::move(port), outputs_);
    const std::pair<SoundTableControl, void (SoundTableFlow::*)()> handlers[] = {
        {SoundTableControl::Import, &SoundTableFlow::Import},
        {SoundTableControl::Remove, &SoundTableFlow::Remove},
        {SoundTableControl::MoveUp, &SoundTableFlow::MoveUp},
        {SoundTableControl::MoveDown, &SoundTableFlow::MoveDown},
        {SoundTableControl::OpenExternally, &SoundTableFlow::OpenExternally},
        {SoundTableControl::Refresh, &SoundTableFlow::Refresh},
        {SoundTableControl::ExportHeader, &SoundTableFlow::ExportHeader},
        {SoundTableControl::Download, &SoundTableFlow::DownloadButton},
        {SoundTableControl::Cancel, &SoundTableFlow::CancelButton},
    };
    for (const auto& [control, handler] : handlers)
        connect(buttons_.at(control), &QAbstractButton::clicked, this,
                [this, handler = handler] { ((*flow_).*handler)(); });
    connect(projects_, &QTreeWidget::itemSelectionChanged, this, [this] { UpdateControls(); });
    UpdateControls();
}

SoundTableDialog::~SoundTableDialog() = default;

QAbstractButton* SoundTableDialog::AddButton(SoundTableControl control, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QStringLiteral("button%1").arg(static_cast<int>(control)));
    button->setAutoDefault(false);
    buttons_[control] = button;
    return button;
}

QAbstractButton* SoundTableDialog::Button(SoundTableControl control) const {
    return buttons_.at(control);
}

QString SoundTableDialog::HeaderText() const {
    return header_->text();
}
QString SoundTableDialog::StatusText() const {
    return status_->text();
}

void SoundTableDialog::SetHeader(const std::string& text) {
    header_->setText(Q(text));
}
void SoundTableDialog::SetStatus(const std::string& text) {
    status_->setText(Q(text));
}

void SoundTableDialog::SetTitle(bool firmware) {
    setWindowTitle(firmware ? T(PX_TR("CustomData", "Update Firmware"))
                            : T(PX_TR("CustomData", "Update Custom Data")));
}

void SoundTableDialog::ShowProgress(int position) {
    progress_->setValue(position);
    progress_->setVisible(true);
}

void SoundTableDialog::HideProgress() {
    progress_->setVisible(false);
}

void SoundTableDialog::SetProjectRows(const std::vector<ProjectRow>& rows, int selected) {
    const QSignalBlocker quiet(projects_);
    projects_->clear();
    for (const auto& row : rows) {
        auto* item = new QTreeWidgetItem(projects_, {QString(), Q(row.name), Q(row.path)});
        item->setIcon(0, IconFor(static_cast<ListIcon>(row.icon)));
    }
    AutosizeColumns(projects_);
    if (selected >= 0 && selected < projects_->topLevelItemCount())
        projects_->setCurrentItem(projects_->topLevelItem(selected));
}

int SoundTableDialog::SelectedProject() const {
    const auto selected = projects_->selectedItems();
    return selected.isEmpty() ? -1 : projects_->indexOfTopLevelItem(selected.front());
}

void SoundTableDialog::SetDataRows(const std::vector<DataRow>& rows) {
    data_->clear();
    for (const auto& row : rows) {
        auto* item = new QTreeWidgetItem(data_, {QString(), Q(row.index), Q(row.label)});
        if (row.icon >= 0) item->setIcon(0, IconFor(static_cast<ListIcon>(row.icon)));
    }
    AutosizeColumns(data_);
}

void SoundTableDialog::UpdateControls() {
    const SoundTableState state = flow_ ? flow_->State() : SoundTableState{};
    for (const auto& [control, button] : buttons_) button->setEnabled(IsEnabled(control, state));
}

void SoundTableDialog::Focus(SoundTableControl control) {
    buttons_.at(control)->setFocus();
}

void SoundTableDialog::ShowDialog() {
    show();
    raise();
    activateWindow();
}

void SoundTableDialog::HideDialog() {
    hide();
}

std::string SoundTableDialog::AskProjectFile(const std::vector<DataFileFilter>& filters) {
    QStringList names;
    for (const auto& filter : filters) names << Q(filter.label);
    return QFileDialog::getOpenFileName(this, QString(), QString(),
                                        names.join(QStringLiteral(";;")), nullptr,
                                        QFileDialog::ReadOnly)
        .toStdString();
}

std::string SoundTableDialog::AskHeaderFile() {
    return QFileDialog::getSaveFileName(this, QString(), QString(),
                                        T(PX_TR("CustomData", "Arduino or C/C++ Header (*.h)")),
                                        nullptr, QFileDialog::ReadOnly)
        .toStdString();
}

void SoundTableDialog::OpenExternally(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(Q(path)));
}

bool SoundTableDialog::SlowTransfer() const {
    return slow_->isChecked();
}
bool SoundTableDialog::OldFormat() const {
    return oldFormat_->isChecked();
}

void SoundTableDialog::OnLine(std::string line, std::uint32_t /*userValue*/) {
    // Queued in order to this thread; the flow lives as long as the dialog.
    QMetaObject::invokeMethod(
        this, [this, line = std::move(line)] { flow_->OnToolLine(line); }, Qt::QueuedConnection);
}

void SoundTableDialog::OnFinished(std::uint32_t /*code*/, std::uint32_t /*userValue*/) {
    // The run's outcome reaches the flow through the runner's result.
}

void SoundTableDialog::reject() {
    flow_->CancelButton();
}

void SoundTableDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    flow_->CancelButton();
}

void SoundTableDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    flow_->OnHidden();
}

}  // namespace parlix::ui
