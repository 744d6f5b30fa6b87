#include "platform/ui/DbLink.h"

#include "platform/ui/Modal.h"

#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace zelt::ui {

namespace {

// Every link alive, for updateRecord. The user-interface thread only.
QList<DataLink*>& links() {
    static QList<DataLink*> all;
    return all;
}

RefusalHandler& refusalHandler() {
    static RefusalHandler handler;
    return handler;
}

// Counts our own change for its duration, also when it raises.
struct OwnChange {
    explicit OwnChange(int& n)
        : n_(n) {
        ++n_;
    }
    ~OwnChange() { --n_; }
    OwnChange(const OwnChange&) = delete;
    OwnChange& operator=(const OwnChange&) = delete;
    int& n_;
};

} // namespace

// ---------------------------------------------------------------- DataLink

DataLink::DataLink(DbControl& control)
    : control_(control) {
    links().append(this);
}

DataLink::~DataLink() {
    links().removeOne(this);
    detach();
}

void DataLink::attach() {
    if (!ds_)
        return;
    data::DataSet* ds = ds_;
    connections_ << connect(ds, &data::DataSet::aboutToPost, this,
                            [this](bool* accepted) {
                                // What the user typed goes into the record that is posted.
                                if (pending() && !control().commit())
                                    *accepted = false;
                            })
                 << connect(ds, &data::DataSet::currentChanged, this, &DataLink::onCurrentChanged)
                 << connect(ds, &data::DataSet::rowChanged, this, &DataLink::onRowChanged)
                 << connect(ds, &data::DataSet::rowsReset, this, &DataLink::onReset)
                 << connect(ds, &data::DataSet::structureChanged, this, &DataLink::onReset)
                 << connect(ds, &data::DataSet::stateChanged, this, &DataLink::onStateChanged)
                 << connect(ds, &QObject::destroyed, this, [this] {
                        detach();
                        showCurrent();
                        control_.updateAccess();
                    });
}

void DataLink::detach() {
    for (const auto& c : std::as_const(connections_))
        disconnect(c);
    connections_.clear();
}

void DataLink::setDataSet(data::DataSet* ds) {
    if (ds_ == ds)
        return;
    detach();
    ds_ = ds;
    attach();
    showCurrent();
    control_.updateAccess();
}

void DataLink::setFieldName(const QString& name) {
    fieldName_ = name;
    showCurrent();
    control_.updateAccess();
}

int DataLink::fieldIndex() const {
    if (!ds_ || fieldName_.isEmpty())
        return -1;
    return ds_->fieldIndex(fieldName_);
}

bool DataLink::active() const {
    return ds_ && ds_->isActive() && fieldIndex() >= 0;
}

data::FieldDef DataLink::fieldDef() const {
    const int i = fieldIndex();
    return i < 0 ? data::FieldDef{} : ds_->fieldDef(i);
}

QVariant DataLink::value() const {
    if (!active() || ds_->recNo() < 0)
        return {};
    return ds_->cell(ds_->recNo(), fieldIndex());
}

void DataLink::beginUserEdit() {
    if (pending_ || !active())
        return;
    {
        OwnChange own(ownChange_);
        ds_->edit();
    }
    pending_ = true;
    // A row appended for the edit may come with values of its own (defaults
    // set when a record is new); what the user types is compared with those.
    shown_ = value();
}

void DataLink::write(const QVariant& v) {
    if (!active())
        return;
    {
        OwnChange own(ownChange_);
        ds_->edit();
        ds_->field(fieldIndex()).setValue(v);
    }
    showCurrent();
}

void DataLink::showCurrent() {
    pending_ = false;
    shown_ = value();
    control_.showValue();
}

void DataLink::onCurrentChanged() {
    if (ownChange_ || (ds_ && ds_->controlsDisabled()))
        return;
    showCurrent();
}

void DataLink::onRowChanged(int row) {
    if (ownChange_ || !ds_ || ds_->controlsDisabled() || row != ds_->recNo())
        return;
    const QVariant now = value();
    if (pending_ && data::sameValue(now, shown_) && now.isNull() == shown_.isNull())
        return; // another field changed: what the user is typing stays
    showCurrent();
}

void DataLink::onReset() {
    if (ownChange_ || (ds_ && ds_->controlsDisabled()))
        return;
    showCurrent();
    control_.updateAccess();
}

void DataLink::onStateChanged() {
    control_.updateAccess();
    if (ownChange_)
        return;
    showCurrent();
}

// --------------------------------------------------------------- DbControl

DbControl::DbControl(QWidget& widget)
    : widget_(widget)
    , link_(*this) {}

DbControl::~DbControl() = default;

void DbControl::bind(data::DataSet* ds, const QString& fieldName) {
    link_.setFieldName(fieldName);
    nameAfterField();
    link_.setDataSet(ds);
}

void DbControl::setDataSet(data::DataSet* ds) {
    link_.setDataSet(ds);
}

void DbControl::setDataField(const QString& fieldName) {
    link_.setFieldName(fieldName);
    nameAfterField();
}

void DbControl::nameAfterField() {
    if (widget_.objectName().isEmpty() || autoName_) {
        widget_.setObjectName(link_.fieldName());
        autoName_ = true;
    }
}

void DbControl::setReadOnly(bool on) {
    readOnly_ = on;
    updateAccess();
}

void DbControl::refuseValue(const QString& message) {
    if (refusalHandler())
        refusalHandler()(message, &widget_);
    else
        showError(message, &widget_);
}

void DbControl::regainFocus() {
    QPointer<QWidget> w(&widget_);
    QTimer::singleShot(0, &widget_, [w] {
        if (!w)
            return;
        w->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(w.data()))
            edit->selectAll();
    });
}

// ------------------------------------------------------------------ helpers

bool leavesControl(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

bool updateRecord(data::DataSet& ds) {
    bool all = true;
    // A commit may run the data set's handlers, which may create or destroy
    // controls: work on a copy, and only on links still alive.
    const QList<DataLink*> snapshot = links();
    for (DataLink* l : snapshot) {
        if (!links().contains(l) || l->dataSet() != &ds || !l->pending())
            continue;
        if (!l->control().commit())
            all = false;
    }
    return all;
}

void setRefusalHandler(RefusalHandler handler) {
    refusalHandler() = std::move(handler);
}

} // namespace zelt::ui
