#include "app/Application.h"

namespace pel {

// The hint form is a plain model that the main form only refers to, so it is
// constructed first; the main form's creation event still runs before anything
// else of the program.
Application::Application(Platform& platform, PreferencesWindow& preferencesWindow)
    : hint_(platform.Hint()), main_(platform, hint_, preferencesWindow) {
    main_.FormCreate();
}

}  // namespace pel
