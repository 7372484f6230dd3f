#include "app/RecoveryKeeper.h"

#include "base/FileBytes.h"
#include "base/Translation.h"

#include <cstdlib>
#include <wx/datetime.h>
#include <wx/log.h>
#include <wx/msgdlg.h>

namespace {
constexpr int kDefaultInterval = 30000;

bool ReadRecord(const wxString& path, RecoveryRecord& record)
{
    std::string bytes;
    return ReadFileBytes(path, bytes) == FileRead::Ok && ParseRecoveryFile(bytes, record);
}
} // namespace

RecoveryKeeper::RecoveryKeeper(const wxString& folder, Snapshot snapshot)
    : m_store(folder), m_snapshot(std::move(snapshot)), m_timer(this)
{
    Bind(wxEVT_TIMER, &RecoveryKeeper::OnTimer, this);
}

int RecoveryKeeper::Interval()
{
    const char* chosen = std::getenv("TAMEK_RECOVERY_INTERVAL_MS");
    const int interval = chosen ? std::atoi(chosen) : 0;
    return interval > 0 ? interval : kDefaultInterval;
}

void RecoveryKeeper::Changed()
{
    if (!m_timer.IsRunning())
        m_timer.StartOnce(Interval());
}

void RecoveryKeeper::OnTimer(wxTimerEvent&)
{
    KeepNow();
}

void RecoveryKeeper::KeepNow()
{
    m_timer.Stop();
    RecoveryRecord record;
    if (!m_snapshot(record))
        return;
    record.savedAt = std::time(nullptr);
    wxString error;
    // A full disk must not interrupt the pupil: the work stays on screen and is tried again
    // after the next change.
    if (!m_store.Keep(record, &error))
        wxLogDebug("recovery file not written: %s", error);
}

void RecoveryKeeper::Forget()
{
    m_timer.Stop();
    m_store.Forget();
}

void RecoveryKeeper::ReportDamaged(wxWindow* parent, const wxString& leftover)
{
    const wxString aside = m_store.KeepAside(leftover);
    wxMessageBox(wxString::Format(_("Het herstelbestand van een vorige sessie is beschadigd en wordt niet geladen.\n"
                                    "Het is bewaard als %s."),
                                  aside.empty() ? leftover : aside),
                 _("Herstelbestand beschadigd"), wxOK | wxICON_WARNING, parent);
}

bool RecoveryKeeper::OfferLeftovers(wxWindow* parent, const Restore& restore)
{
    for (const wxString& leftover : m_store.Leftovers()) {
        RecoveryRecord record;
        if (!ReadRecord(leftover, record)) {
            ReportDamaged(parent, leftover);
            continue;
        }
        const wxString project = record.projectPath.empty() ? _("naamloos project") : record.projectPath;
        const wxString question =
            wxString::Format(_("Tamek werd niet normaal afgesloten. Er is niet-bewaard werk van %s:\n\n%s\n\n"
                               "Wilt u dit werk herstellen?"),
                             wxDateTime(record.savedAt).Format("%d-%m-%Y %H:%M"), project);
        if (wxMessageBox(question, _("Werk herstellen"), wxYES_NO | wxICON_QUESTION, parent) != wxYES) {
            m_store.Discard(leftover);
            continue;
        }
        if (!restore(record)) {
            ReportDamaged(parent, leftover);
            continue;
        }
        // The restored work is this copy's now: kept before the old file goes.
        KeepNow();
        m_store.Discard(leftover);
        return true;
    }
    return false;
}
