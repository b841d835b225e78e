#include "core/main/main_rooms.h"

namespace tavo {

MainRooms::MainRooms(const MainServices& s, ProductInfo product, AppEnvironment env)
    : settings({state, script, commands, journal, s.registry, s.messages, s.clock},
               std::move(product), env.programFolder),
      files({state, script, commands, settings, s.registry, s.files, s.dialogs, s.messages,
             s.clock, s.codePage},
            env),
      run({script, state, commands, journal, s.windows, s.clock, s.pump, s.executor, s.trace}),
      fields(script, commands, focus, run, s.messages, s.codePage, s.keys),
      editor({script, settings, commands, focus, run, s.messages}, fields),
      pointer(script, run, s.messages, s.codePage, fields, editor),
      undo(script, commands, run, editor, fields),
      recorder({script, commands, s.windows, s.capture, s.clock, s.messages, s.codePage, s.pimage, run},
               editor, fields),
      pickerPanel(fields),
      picking(script, pickerPanel,
              {s.windows, s.capture, s.clock, s.pump, s.pimage, s.messages, journal}) {
    settings.Connect(editor, run);
    files.Connect(editor, run);
    run.Connect(editor);
    // The run buttons are refreshed last, from the state the others leave.
    settings.AddResetListener(editor);
    settings.AddResetListener(undo);
    settings.AddResetListener(run);
}

}  // namespace tavo
