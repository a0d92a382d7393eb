#include "platform/ui/PropertySheet.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/errors/UserException.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ModalDriver.h"

namespace ui {
namespace {

QString qs(const std::u16string& s) { return QString::fromStdU16String(s); }

}  // namespace

// ---- page ------------------------------------------------------------------------------

PropertyPage::PropertyPage(int templateId, std::u16string title)
    : templateId_(templateId), title_(std::move(title)) {
    if (title_.empty() && templateId_ != 0)
        if (const DialogTemplate* t = findDialogTemplate(templateId_))
            title_ = t->captionTextId ? languageText(t->captionTextId) : t->caption;
}

PropertyPage::~PropertyPage() {
    if (sheet_) sheet_->removePage(sheet_->indexOf(this));
}

void PropertyPage::setModified(bool modified) {
    modified_ = modified;
    if (sheet_) sheet_->updateButtons();
}

void PropertyPage::setTitle(std::u16string title) {
    if (sheet_)
        sheet_->setTabText(this, std::move(title));
    else
        title_ = std::move(title);
}

bool PropertyPage::updateData(bool save) {
    DataExchange dx(*this, save);
    try {
        doDataExchange(dx);
        return true;
    } catch (const platform::UserException&) {
        return false;
    }
}

void PropertyPage::createContent() {
    if (hasWindow_) return;
    hasWindow_ = true;
    if (const DialogTemplate* t = findDialogTemplate(templateId_)) {
        const Size size = buildFromTemplate(*this, *this, *t);
        setMinimumSize(size.cx, size.cy);
    }
    guarded(Msg::InitDialog, [&] { onInitPage(); });
}

// ---- sheet -----------------------------------------------------------------------------

PropertySheet::PropertySheet(std::u16string caption, QWidget* parent, int firstPage)
    : WindowOf<QDialog>(parent), caption_(std::move(caption)), first_(firstPage) {
    setWindowTitle(qs(caption_));
}

PropertySheet::~PropertySheet() {
    // Pages belong to the caller: take them out before Qt deletes the children.
    for (PropertyPage* p : pages_) {
        p->sheet_ = nullptr;
        p->setParent(nullptr);
    }
}

void PropertySheet::addPage(PropertyPage* page) {
    page->sheet_ = this;
    pages_.push_back(page);
    if (built_) {
        stack_->addWidget(page);
        // The first tab of an emptied sheet would become current at once: the page is
        // entered only when it is activated, after its owner has set it up.
        const QSignalBlocker block(tabs_);
        tabs_->addTab(qs(page->title()));
        updateButtons();
    }
}

void PropertySheet::removePage(int index) {
    if (index < 0 || index >= pageCount()) return;
    PropertyPage* p = pages_[static_cast<std::size_t>(index)];
    pages_.erase(pages_.begin() + index);
    p->sheet_ = nullptr;
    if (built_) {
        stack_->removeWidget(p);
        p->setParent(nullptr);
        const QSignalBlocker block(tabs_);
        tabs_->removeTab(index);
    }
    if (active_ == index) {
        active_ = -1;
        if (!pages_.empty()) setActivePage(std::min(index, pageCount() - 1));
    } else if (active_ > index) {
        --active_;
    }
}

PropertyPage* PropertySheet::page(int index) const {
    return index >= 0 && index < pageCount() ? pages_[static_cast<std::size_t>(index)] : nullptr;
}

int PropertySheet::indexOf(const PropertyPage* page) const {
    auto it = std::find(pages_.begin(), pages_.end(), page);
    return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

void PropertySheet::setTitle(std::u16string caption) {
    caption_ = std::move(caption);
    setWindowTitle(qs(caption_));
}

void PropertySheet::setTabText(PropertyPage* page, std::u16string text) {
    page->title_ = std::move(text);
    const int i = indexOf(page);
    if (built_ && i >= 0) tabs_->setTabText(i, qs(page->title_));
}

QPushButton* PropertySheet::button(int id) const {
    for (auto* b : findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly))
        if (ui::controlId(b) == id) return b;
    return nullptr;
}

void PropertySheet::build() {
    if (built_) return;
    built_ = true;
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabBar(this);
    stack_ = new QStackedWidget(this);
    layout->addWidget(tabs_);
    layout->addWidget(stack_, 1);
    for (PropertyPage* p : pages_) {
        stack_->addWidget(p);
        tabs_->addTab(qs(p->title()));
    }
    tabs_->setVisible(!(flags_ & Wizard));
    QObject::connect(tabs_, &QTabBar::currentChanged, this, [this](int i) {
        if (i == active_) return;
        if (!setActivePage(i)) {
            const QSignalBlocker block(tabs_);
            tabs_->setCurrentIndex(active_);
        }
    });
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto add = [&](int id, StandardButton word) {
        auto* b = new QPushButton(buttonWord(word), this);
        ui::setControlId(b, id);
        b->setAutoDefault(false);
        row->addWidget(b);
        QObject::connect(b, &QPushButton::clicked, this, [this, id] { pressButton(id); });
        return b;
    };
    if (flags_ & Wizard) {
        add(kIdBack, StandardButton::Back);
        add(kIdNext, StandardButton::Next)->setDefault(true);
        add(kIdFinish, StandardButton::Finish);
        add(kIdCancel, StandardButton::Cancel);
    } else {
        add(kIdOk, StandardButton::Ok)->setDefault(true);
        add(kIdCancel, StandardButton::Cancel);
        if (!(flags_ & NoApply)) add(kIdApply, StandardButton::Apply);
    }
    if (!(flags_ & NoHelp)) add(kIdHelp, StandardButton::Help);
    layout->addLayout(row);
    setActivePage(std::clamp(first_, 0, std::max(0, pageCount() - 1)));
    updateButtons();
}

bool PropertySheet::setActivePage(int index) {
    PropertyPage* next = page(index);
    if (!next) return false;
    if (index == active_) return true;
    if (PropertyPage* current = activePage()) {
        bool leave = false;
        guarded(Msg::Notify, [&] { leave = current->onKillActive(); });
        if (!leave) return false;
    }
    next->createContent();
    bool enter = false;
    guarded(Msg::Notify, [&] { enter = next->onSetActive(); });
    if (!enter) return false;
    active_ = index;
    if (built_) {
        stack_->setCurrentWidget(next);
        const QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(index);
    }
    updateButtons();
    return true;
}

void PropertySheet::setWizardButtons(unsigned flags) {
    wizardButtons_ = flags;
    updateButtons();
}

void PropertySheet::updateButtons() {
    if (!built_) return;
    if (QPushButton* apply = button(kIdApply))
        apply->setEnabled(std::any_of(pages_.begin(), pages_.end(),
                                      [](PropertyPage* p) { return p->modified(); }));
    if (!(flags_ & Wizard)) return;
    const bool finish = wizardButtons_ & 4;
    button(kIdBack)->setEnabled(wizardButtons_ & 1);
    button(kIdNext)->setEnabled(wizardButtons_ & 2);
    button(kIdNext)->setVisible(!finish);
    button(kIdFinish)->setVisible(finish || (wizardButtons_ & 8));
    button(kIdFinish)->setEnabled(!(wizardButtons_ & 8));
}

int PropertySheet::doModal() {
    build();
    return ModalDriver::runModal(*this);
}

bool PropertySheet::createModeless(bool visible) {
    build();
    if (visible) show();
    return true;
}

bool PropertySheet::apply() {
    for (int i = 0; i < pageCount(); ++i) {
        PropertyPage* p = page(i);
        if (!p->hasWindow()) continue;
        bool ok = false;
        guarded(Msg::Notify, [&] { ok = p->onApply(); });
        if (!ok) {
            setActivePage(i);
            return false;
        }
        p->modified_ = false;
    }
    updateButtons();
    return true;
}

void PropertySheet::ok() {
    if (PropertyPage* current = activePage()) {
        bool leave = false;
        guarded(Msg::Notify, [&] { leave = current->onKillActive(); });
        if (!leave) return;
    }
    if (apply()) endDialog(kIdOk);
}

void PropertySheet::cancel() {
    for (PropertyPage* p : pages_)
        if (p->hasWindow()) guarded(Msg::Notify, [&] { p->onCancel(); });
    endDialog(kIdCancel);
}

void PropertySheet::wizardStep(int answer, int fallbackIndex) {
    if (answer == -1) return;
    int target = fallbackIndex;
    if (answer != 0)
        for (int i = 0; i < pageCount(); ++i)
            if (page(i)->templateId() == answer) target = i;
    setActivePage(target);
}

void PropertySheet::pressButton(int id) {
    PropertyPage* current = activePage();
    switch (id) {
        case kIdOk: ok(); break;
        case kIdCancel: cancel(); break;
        case kIdApply: {
            bool leave = !current;
            if (current) guarded(Msg::Notify, [&] { leave = current->onKillActive(); });
            if (leave) apply();
            break;
        }
        case kIdHelp:
            if (current) guarded(Msg::Notify, [&] { current->onHelp(); });
            break;
        case kIdNext:
        case kIdBack: {
            if (!current) break;
            int answer = 0;
            guarded(Msg::Notify, [&] {
                answer = id == kIdNext ? current->onWizardNext() : current->onWizardBack();
            });
            wizardStep(answer, active_ + (id == kIdNext ? 1 : -1));
            break;
        }
        case kIdFinish: {
            bool done = current == nullptr;
            if (current) guarded(Msg::Notify, [&] { done = current->onWizardFinish(); });
            if (done) endDialog(kResultFinish);
            break;
        }
        default: break;
    }
}

bool PropertySheet::onCommand(int id, int, Window*) {
    pressButton(id);
    return true;
}

void PropertySheet::accept() { pressButton((flags_ & Wizard) ? kIdFinish : kIdOk); }
void PropertySheet::reject() { cancel(); }

}  // namespace ui
