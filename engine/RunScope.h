#pragma once

#include <QtGlobal>

class ResultModel;
class WindowServices;

// The frame of a run over the result rows: the busy cursor and the progress
// bar while it goes on, and the clean-up when it ends, also by an exception:
// the rows it changed are announced to the views in one batch, the cursor is
// restored, the window handles its pending events once, the bar is hidden.
class RunScope {
public:
    // rowsToHandle: how many rows the run will count for the progress.
    RunScope(ResultModel& model, WindowServices& services, int rowsToHandle);
    ~RunScope();
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

    // One more row handled: the bar moves to k x 500 / max(1, rows - 1).
    void advance();
    // The run wrote into this row.
    void touched(int row);

private:
    ResultModel& m_model;
    WindowServices& m_services;
    int m_divisor = 1;
    qint64 m_handled = 0;
    int m_firstTouched = -1;
    int m_lastTouched = -1;
};
