#pragma once

#include <QString>

// The print service as the program sees it: which printer is the default,
// whether it can take a job now, submitting a finished PDF and learning what
// became of the job. Nothing here shows a message; callers word the outcome.
namespace PrintSystem {

struct Destination {
    enum State {
        NoService, // the print service does not answer
        NoPrinter, // the service answers but knows no printer
        Ready,
        Paused,   // jobs are accepted but wait until the printer is resumed
        Refusing, // the queue does not accept jobs
    };
    State state = NoService;
    QString name;
};

// The default printer, or the first one when none is marked as default.
Destination defaultDestination();

// The state of one named printer (NoPrinter when it is gone).
Destination destination(const QString& name);

struct Submission {
    enum Result { Accepted, NoService, Refused, Failed };
    Result result = Failed;
    int jobId = 0;
    QString error; // the service's own words, for the log of a failure
};

// Sends a PDF file to the printer `name` as one job titled `title`.
Submission submitPdf(const QString& name, const QString& pdfPath, const QString& title);

enum class JobFate {
    Unknown,   // the service no longer lists the job
    Waiting,   // pending or held
    Printing,  // being processed
    Completed, // handed to the printer in full
    Stopped,   // stopped by an error; it will not print unless someone restarts it
    Cancelled, // cancelled or aborted: nothing was printed
};

JobFate jobFate(const QString& name, int jobId);

} // namespace PrintSystem
