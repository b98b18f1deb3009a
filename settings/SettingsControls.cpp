#include "settings/SettingsControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <algorithm>

#include "settings/store/ERegistryException.h"
#include "settings/store/SettingsModel.h"
#include "settings/store/SettingsTable.h"
#include "shared/General/Texts.h"

namespace {

// A control the window did not hand over ends the step at its key.
template <typename T>
T* Require(T* control, const QString& key) {
    if (!control)
        throw ERegistryException(Text(Texts::kSettingsMissingControl).arg(key));
    return control;
}

bool IsTextKind(SettingKind kind) {
    return kind == SettingKind::Text || kind == SettingKind::Lines;
}

}  // namespace

void SettingsControls::add(const QString& key, bool textKind,
                           std::function<void(SettingsModel&)> save,
                           std::function<void(const SettingsModel&)> load) {
    const int position = SettingPosition(key);
    if (position < 0)
        throw ERegistryException(Text(Texts::kSettingsUnknownValue).arg(key));
    if (IsTextKind(SettingsTable().at(position).kind) != textKind)
        throw ERegistryException(Text(Texts::kSettingsWrongKind).arg(key));
    const auto at =
        std::upper_bound(m_bindings.begin(), m_bindings.end(), position,
                         [](int p, const Binding& binding) { return p < binding.position; });
    m_bindings.insert(at, {position, key, std::move(save), std::move(load)});
}

void SettingsControls::bind(const QString& key, QCheckBox* box) {
    add(
        key, false, [=](SettingsModel& m) { m.setFlag(key, Require(box, key)->isChecked()); },
        [=](const SettingsModel& m) { Require(box, key)->setChecked(m.flag(key)); });
}

// A Choice shown as the current item of a list: a position outside the list
// leaves it as it is.
template <typename List>
void SettingsControls::bindChoice(const QString& key, List* list, int (List::*current)() const,
                                  void (List::*setCurrent)(int)) {
    add(
        key, false, [=](SettingsModel& m) { m.setInteger(key, (Require(list, key)->*current)()); },
        [=](const SettingsModel& m) {
            const int position = m.integer(key);
            if ((Require(list, key)->*current)() != position && position >= 0 &&
                position < list->count())
                (list->*setCurrent)(position);
        });
}

void SettingsControls::bind(const QString& key, QListWidget* list) {
    bindChoice(key, list, &QListWidget::currentRow, &QListWidget::setCurrentRow);
}

void SettingsControls::bind(const QString& key, QComboBox* box) {
    bindChoice(key, box, &QComboBox::currentIndex, &QComboBox::setCurrentIndex);
}

void SettingsControls::bind(const QString& key, QSpinBox* box) {
    add(
        key, false, [=](SettingsModel& m) { m.setInteger(key, Require(box, key)->value()); },
        [=](const SettingsModel& m) { Require(box, key)->setValue(m.integer(key)); });
}

void SettingsControls::bind(const QString& key, QLineEdit* edit) {
    add(
        key, true, [=](SettingsModel& m) { m.setText(key, Require(edit, key)->text()); },
        [=](const SettingsModel& m) {
            const QString text = m.text(key);
            if (Require(edit, key)->text() != text)
                edit->setText(text);
        });
}

void SettingsControls::bind(const QString& key, QPlainTextEdit* memo) {
    add(
        key, true, [=](SettingsModel& m) { m.setText(key, Require(memo, key)->toPlainText()); },
        [=](const SettingsModel& m) {
            const QString text = m.text(key);
            if (Require(memo, key)->toPlainText() != text)
                memo->setPlainText(text);
        });
}

void SettingsControls::bind(const QString& key, std::function<int()> get,
                            std::function<void(int)> set) {
    add(
        key, false, [=](SettingsModel& m) { m.setInteger(key, get()); },
        [=](const SettingsModel& m) { set(m.integer(key)); });
}

void SettingsControls::toModel(SettingsModel& model) const {
    for (const Binding& binding : m_bindings)
        binding.save(model);
}

void SettingsControls::fromModel(const SettingsModel& model) const {
    for (const Binding& binding : m_bindings) {
        if (model.known(binding.key))
            binding.load(model);
    }
}
