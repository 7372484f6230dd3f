#pragma once
// Nothing lost after a crash: while the project has unsaved changes, its text is kept in this
// copy's recovery file, at most once per interval and only after a change; at start-up the work
// of a copy that no longer runs is offered back.

#include "base/RecoveryStore.h"

#include <functional>
#include <wx/event.h>
#include <wx/timer.h>

class wxWindow;

class RecoveryKeeper : public wxEvtHandler
{
public:
    // Fills the record with the work to keep; false when nothing unsaved is left to keep.
    using Snapshot = std::function<bool(RecoveryRecord&)>;
    // Reads a kept record into the window; false when its project text cannot be read.
    using Restore = std::function<bool(const RecoveryRecord&)>;

    RecoveryKeeper(const wxString& folder, Snapshot snapshot);

    // The program changed: the work is kept when the interval since the change is over.
    void Changed();
    // Keeps the work at once.
    void KeepNow();
    // The work was saved, or dropped on purpose: no recovery file is kept.
    void Forget();
    // Offers the work of copies that no longer run, newest first, until one is restored: the
    // pupil is asked for each; declined work is deleted, a damaged file is reported and kept
    // aside. True when one was restored (and is kept as this copy's work at once).
    bool OfferLeftovers(wxWindow* parent, const Restore& restore);

    const RecoveryStore& Store() const { return m_store; }
    // Milliseconds between a change and its keeping: 30 s, or TAMEK_RECOVERY_INTERVAL_MS (tests).
    static int Interval();

private:
    void OnTimer(wxTimerEvent& event);
    void ReportDamaged(wxWindow* parent, const wxString& leftover);

    RecoveryStore m_store;
    Snapshot m_snapshot;
    wxTimer m_timer;
};
