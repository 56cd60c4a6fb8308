// The nested loop every modal window of the layer runs in.
#pragma once

#include <QDialog>

#include <functional>

// Shows `dialog`, runs `afterShow`, then runs a nested event loop until the
// dialog finishes. The dialog's modality decides which windows it blocks:
// window-modal blocks its owner only, so that boxes without owner leave
// the rest of the program usable.
void RunUntilFinished(QDialog& dialog, const std::function<void()>& afterShow = {});
