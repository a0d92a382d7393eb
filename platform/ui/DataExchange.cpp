#include "platform/ui/DataExchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <charconv>
#include <cmath>
#include <limits>

#include "platform/errors/UserException.h"
#include "platform/format/Format.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/text/Text.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Window.h"
#include "platform/ui/Words.h"

namespace ui {
namespace {

std::string trimmed(const std::u16string& text) {
    std::string s = platform::toUtf8(text);
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    s = s.substr(first, last - first + 1);
    if (!s.empty() && s[0] == '+') s.erase(0, 1);
    return s;
}

template <class T>
std::optional<T> parseWhole(const std::u16string& text) {
    const std::string s = trimmed(text);
    T v{};
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return v;
}

std::optional<double> parseNumber(const std::u16string& text) {
    const std::string s = trimmed(text);
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::u16string number(double v, int digits) {
    return platform::format(u"%.*g", digits, v);
}

}  // namespace

QWidget* DataExchange::control(int id) const { return child(&dialog_, id); }

std::u16string DataExchange::read(int id) const { return childText(&dialog_, id); }

void DataExchange::write(int id, const std::u16string& text) { setChildText(&dialog_, id, text); }

void DataExchange::fail(int id, unsigned textId, std::u16string_view min, std::u16string_view max) {
    std::u16string message = languageText(textId);
    if (!min.empty()) message = platform::format(message, min, max);
    platform::showMessageBox({message, boxCaption(),
                              platform::mb::OK | platform::mb::ICONEXCLAMATION});
    if (QWidget* w = control(id)) w->setFocus();
    throw platform::UserException();
}

void DataExchange::text(int id, std::u16string& value) {
    if (saving_)
        value = read(id);
    else
        write(id, value);
}

void DataExchange::integer(int id, int& value) {
    if (!saving_) return write(id, platform::format(u"%d", value));
    const auto v = parseWhole<int>(read(id));
    if (!v) fail(id, ddxtext::kInteger);
    value = *v;
}

void DataExchange::integer(int id, int& value, int min, int max) {
    int v = value;
    integer(id, v);
    if (saving_ && (v < min || v > max))
        fail(id, ddxtext::kIntegerRange, platform::format(u"%d", min), platform::format(u"%d", max));
    value = v;
}

void DataExchange::unsignedInt(int id, unsigned& value) {
    if (!saving_) return write(id, platform::format(u"%u", value));
    const auto v = parseWhole<unsigned>(read(id));  // a minus sign is refused
    if (!v) fail(id, ddxtext::kUnsigned);
    value = *v;
}

void DataExchange::unsignedInt(int id, unsigned& value, unsigned min, unsigned max) {
    unsigned v = value;
    unsignedInt(id, v);
    if (saving_ && (v < min || v > max))
        fail(id, ddxtext::kUnsignedRange, platform::format(u"%u", min), platform::format(u"%u", max));
    value = v;
}

void DataExchange::floating(int id, double& value) {
    if (!saving_) return write(id, number(value, 15));
    const auto v = parseNumber(read(id));
    if (!v) fail(id, ddxtext::kNumber);
    value = *v;
}

void DataExchange::floating(int id, double& value, double min, double max) {
    double v = value;
    floating(id, v);
    if (saving_ && (v < min || v > max)) fail(id, ddxtext::kNumberRange, number(min, 15), number(max, 15));
    value = v;
}

void DataExchange::floating(int id, float& value) {
    if (!saving_) return write(id, number(value, 6));
    const auto v = parseNumber(read(id));
    if (!v || std::fabs(*v) > std::numeric_limits<float>::max()) fail(id, ddxtext::kNumber);
    value = static_cast<float>(*v);
}

void DataExchange::floating(int id, float& value, float min, float max) {
    float v = value;
    floating(id, v);
    if (saving_ && (v < min || v > max)) fail(id, ddxtext::kNumberRange, number(min, 6), number(max, 6));
    value = v;
}

void DataExchange::check(int id, int& state) {
    auto* box = qobject_cast<QAbstractButton*>(control(id));
    if (!box) return;
    auto* tri = qobject_cast<QCheckBox*>(box);
    if (saving_) {
        const Qt::CheckState s = tri ? tri->checkState() : box->isChecked() ? Qt::Checked : Qt::Unchecked;
        state = s == Qt::Checked ? 1 : s == Qt::PartiallyChecked ? 2 : 0;
    } else if (tri && state == 2) {
        tri->setTristate(true);
        tri->setCheckState(Qt::PartiallyChecked);
    } else {
        box->setChecked(state == 1);
    }
}

void DataExchange::radio(int firstId, int& index) {
    auto* first = qobject_cast<QRadioButton*>(control(firstId));
    if (!first) return;
    const QList<QAbstractButton*> buttons =
        first->group() ? first->group()->buttons() : QList<QAbstractButton*>{first};
    if (saving_) {
        index = -1;
        for (qsizetype i = 0; i < buttons.size(); ++i)
            if (buttons[i]->isChecked()) index = static_cast<int>(i);
        return;
    }
    for (qsizetype i = 0; i < buttons.size(); ++i) buttons[i]->setChecked(i == index);
}

void DataExchange::listIndex(int id, int& index) {
    QWidget* w = control(id);
    if (auto* c = qobject_cast<QComboBox*>(w)) {
        if (saving_)
            index = c->currentIndex();
        else
            c->setCurrentIndex(index);
    } else if (auto* l = qobject_cast<QListWidget*>(w)) {
        if (saving_)
            index = l->currentRow();
        else
            l->setCurrentRow(index);
    }
}

void DataExchange::listText(int id, std::u16string& text) {
    QWidget* w = control(id);
    auto* c = qobject_cast<QComboBox*>(w);
    if (saving_) {
        text = read(id);
        return;
    }
    if (!c) return;
    const int found = c->findText(QString::fromStdU16String(text));
    if (c->isEditable() && found < 0)
        c->setEditText(QString::fromStdU16String(text));
    else
        c->setCurrentIndex(found);
}

}  // namespace ui
