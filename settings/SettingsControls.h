#pragma once

#include <array>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QWidget;

// The controls whose state the settings load and save. The main window hands
// its own controls over; tests hand over stand-ins.
struct SettingsControls {
    QWidget* window = nullptr;  // the placement is stored for this window
    QCheckBox* recursive = nullptr;
    QCheckBox* includeExts = nullptr;
    QPlainTextEdit* extensions = nullptr;
    QCheckBox* removeUnderscores = nullptr;
    QCheckBox* extensionLowercase = nullptr;
    std::array<QListWidget*, 5> inSlots{};
    std::array<QListWidget*, 5> outSlots{};
    std::array<QLineEdit*, 4> inDividers{};
    std::array<QLineEdit*, 4> outDividers{};
};
