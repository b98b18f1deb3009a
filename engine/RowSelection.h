#pragma once

// The rows selected in the results list, as the runs ask for them. The window
// answers from its selection model; a run asks about a row when it reaches it.
class RowSelection {
public:
    virtual ~RowSelection() = default;

    // How many rows are selected, folder rows included.
    virtual int count() const = 0;
    virtual bool isSelected(int row) const = 0;
};
