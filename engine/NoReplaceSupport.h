#pragma once

#include <QtGlobal>
#include <algorithm>
#include <vector>

#include "engine/SafeRename.h"

// Which file systems refused the no-replace rename flag, learned during one
// run, one device at a time: after the first refusal on a device its renames
// go straight to the reservation of the new name, while every other device
// keeps the flag. A run meets few devices, so a short list does.
class NoReplaceSupport {
public:
    RenameMethod methodFor(quint64 device) const {
        return std::find(m_refused.begin(), m_refused.end(), device) != m_refused.end()
                   ? RenameMethod::ReserveNewName
                   : RenameMethod::Automatic;
    }
    void noteRefused(quint64 device) {
        if (methodFor(device) == RenameMethod::Automatic)
            m_refused.push_back(device);
    }

private:
    std::vector<quint64> m_refused;
};
