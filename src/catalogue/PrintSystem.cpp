#include "catalogue/PrintSystem.h"

#include <cups/cups.h>

#include <QByteArray>
#include <QFile>

#include <memory>

namespace PrintSystem {
namespace {

constexpr int kConnectTimeoutMs = 3000;

struct HttpClose {
    void operator()(http_t* http) const { httpClose(http); }
};
using Connection = std::unique_ptr<http_t, HttpClose>;

// A connection of our own rather than the library's shared one, so a service
// that went away since the last job is noticed at once and not retried.
Connection connectToService()
{
    return Connection(
        httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, kConnectTimeoutMs, nullptr));
}

Destination describe(const cups_dest_t& dest)
{
    Destination d;
    d.name = QString::fromUtf8(dest.name);
    const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest.num_options, dest.options);
    const char* state = cupsGetOption("printer-state", dest.num_options, dest.options);
    if (accepting && QByteArray(accepting) == "false")
        d.state = Destination::Refusing;
    else if (state && QByteArray(state).toInt() == IPP_PSTATE_STOPPED)
        d.state = Destination::Paused;
    else
        d.state = Destination::Ready;
    return d;
}

} // namespace

Destination defaultDestination()
{
    const Connection http = connectToService();
    if (!http)
        return {};
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(http.get(), &dests);
    if (count == 0 && cupsLastError() >= IPP_STATUS_ERROR_INTERNAL)
        return {};
    const cups_dest_t* chosen = cupsGetDest(nullptr, nullptr, count, dests);
    if (!chosen && count > 0)
        chosen = &dests[0];
    Destination d;
    d.state = Destination::NoPrinter;
    if (chosen)
        d = describe(*chosen);
    cupsFreeDests(count, dests);
    return d;
}

Destination destination(const QString& name)
{
    const Connection http = connectToService();
    if (!http)
        return {};
    cups_dest_t* dest = cupsGetNamedDest(http.get(), name.toUtf8().constData(), nullptr);
    Destination d;
    d.state = Destination::NoPrinter;
    d.name = name;
    if (dest)
        d = describe(*dest);
    cupsFreeDests(dest ? 1 : 0, dest);
    return d;
}

Submission submitPdf(const QString& name, const QString& pdfPath, const QString& title)
{
    Submission s;
    const Connection http = connectToService();
    if (!http) {
        s.result = Submission::NoService;
        s.error = QString::fromUtf8(cupsLastErrorString());
        return s;
    }
    cups_option_t* options = nullptr;
    const int count = cupsAddOption("document-format", CUPS_FORMAT_PDF, 0, &options);
    s.jobId = cupsPrintFile2(http.get(), name.toUtf8().constData(), QFile::encodeName(pdfPath).constData(),
                             title.toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (s.jobId > 0) {
        s.result = Submission::Accepted;
        return s;
    }
    const ipp_status_t status = cupsLastError();
    s.error = QString::fromUtf8(cupsLastErrorString());
    if (status == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS || status == IPP_STATUS_ERROR_NOT_POSSIBLE ||
        status == IPP_STATUS_ERROR_FORBIDDEN || status == IPP_STATUS_ERROR_NOT_AUTHORIZED)
        s.result = Submission::Refused;
    else if (status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
        s.result = Submission::NoService;
    else
        s.result = Submission::Failed;
    return s;
}

JobFate jobFate(const QString& name, int jobId)
{
    const Connection http = connectToService();
    if (!http)
        return JobFate::Unknown;
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(http.get(), &jobs, name.toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
    JobFate fate = JobFate::Unknown;
    for (int i = 0; i < count; ++i) {
        if (jobs[i].id != jobId)
            continue;
        switch (jobs[i].state) {
        case IPP_JSTATE_PENDING:
        case IPP_JSTATE_HELD: fate = JobFate::Waiting; break;
        case IPP_JSTATE_PROCESSING: fate = JobFate::Printing; break;
        case IPP_JSTATE_STOPPED: fate = JobFate::Stopped; break;
        case IPP_JSTATE_CANCELED:
        case IPP_JSTATE_ABORTED: fate = JobFate::Cancelled; break;
        case IPP_JSTATE_COMPLETED: fate = JobFate::Completed; break;
        }
    }
    cupsFreeJobs(count, jobs);
    return fate;
}

} // namespace PrintSystem
