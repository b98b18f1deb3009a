#pragma once

#include <QString>
#include <QVector>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QSpinBox;
class QWidget;
class SettingsModel;

// The window's controls, each bound to its setting by one line: the settings
// load fills the controls from the model, the save fills the model from the
// controls. The main window binds its own controls; tests bind stand-ins.
class SettingsControls {
public:
    // The window whose placement is stored; none stores no placement.
    QWidget* window = nullptr;

    // Each throws ERegistryException when the table has no such setting or
    // it is of another kind. A control that is missing (nullptr) is an error
    // when the settings reach it.
    void bind(const QString& key, QCheckBox* box);        // a Flag: ticked
    void bind(const QString& key, QListWidget* list);     // a Choice: the selected row
    void bind(const QString& key, QComboBox* box);        // a Choice: the current item
    void bind(const QString& key, QSpinBox* box);         // an Integer
    void bind(const QString& key, QLineEdit* edit);       // a Text
    void bind(const QString& key, QPlainTextEdit* memo);  // Lines: the memo's lines
    // An Integer kept elsewhere, such as a column's width.
    void bind(const QString& key, std::function<int()> get, std::function<void(int)> set);

    // The controls' state into the model, in table order. The first missing
    // control ends it with ERegistryException; what came before stands.
    void toModel(SettingsModel& model) const;
    // The model's values into the controls, in table order, leaving alone the
    // values the load did not reach and the controls that already show their
    // value. The first missing control ends it with ERegistryException.
    void fromModel(const SettingsModel& model) const;

private:
    struct Binding {
        int position;  // in the table
        QString key;
        std::function<void(SettingsModel&)> save;
        std::function<void(const SettingsModel&)> load;
    };

    void add(const QString& key, bool textKind, std::function<void(SettingsModel&)> save,
             std::function<void(const SettingsModel&)> load);
    template <typename List>
    void bindChoice(const QString& key, List* list, int (List::*current)() const,
                    void (List::*setCurrent)(int));

    QVector<Binding> m_bindings;  // in table order
};
