#include "engine/RunScope.h"

#include <algorithm>

#include "engine/ResultModel.h"
#include "engine/WindowServices.h"

namespace {

constexpr int kProgressMaximum = 500;

// The clean-up must run to its end: one failing step does not skip the others.
template <typename Step>
void CleanUpStep(Step step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

}  // namespace

RunScope::RunScope(ResultModel& model, WindowServices& services, int rowsToHandle)
    : m_model(model), m_services(services), m_divisor(std::max(1, rowsToHandle - 1)) {
    m_services.beginBusy();
    try {
        m_services.setProgressPosition(0);
        m_services.showProgressBar();
    } catch (...) {
        CleanUpStep([this] { m_services.endBusy(); });
        CleanUpStep([this] { m_services.hideProgressBar(); });
        throw;
    }
}

RunScope::~RunScope() {
    if (m_firstTouched >= 0)
        CleanUpStep([this] { m_model.rowsChanged(m_firstTouched, m_lastTouched); });
    CleanUpStep([this] { m_services.endBusy(); });
    CleanUpStep([this] { m_services.processPendingMessages(); });
    CleanUpStep([this] { m_services.hideProgressBar(); });
}

void RunScope::advance() {
    ++m_handled;
    m_services.setProgressPosition(static_cast<int>(m_handled * kProgressMaximum / m_divisor));
}

void RunScope::touched(int row) {
    if (m_firstTouched < 0 || row < m_firstTouched)
        m_firstTouched = row;
    m_lastTouched = std::max(m_lastTouched, row);
}
