#pragma once
// Running an outside program while the window stays alive: a French progress dialog that
// polls the program, and a button to stop it.

#include <QString>
#include <string>
#include <vector>

class QWidget;

namespace brontaxe::app {

enum class WaitOutcome { Ended, Stopped, NotStarted };

// Starts the program (in `workingDirectory` when one is given) and waits for its end, running
// the event loop between zero time-out polls. `problem` says why it did not start
// ("Programme introuvable : ...").
WaitOutcome runAndWait(QWidget* parent, const std::vector<std::string>& argv,
                       const QString& programName, QString* problem,
                       const std::string& workingDirectory = {});

}  // namespace brontaxe::app
