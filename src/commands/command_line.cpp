// The command line's options and their help texts.
#include <CLI/CLI.hpp>

#include "browser/launcher.hpp"
#include "browser/pilot_participant.hpp"
#include "commands/commands.hpp"

namespace commands {

void DefineOptions(CLI::App& app, Options& o) {
  CLI::Option* folder_option = app.add_option(
      "--folder", o.folder, "Program folder holding settings, schedules, html and log");
  CLI::Option* check_option =
      app.add_flag("--check", o.check,
                   "Check the settings file (the argument, else the remembered one), its schedule "
                   "and ttl.txt, print a summary and exit");
  CLI::Option* new_study_option =
      app.add_option("--new-study", o.new_study,
                     "Copy the bundled experiment into DIR (new or empty), a study folder to run "
                     "and edit, and exit")
          ->type_name("DIR")
          ->excludes(folder_option)
          ->excludes(check_option);
  CLI::Option* no_browser =
      app.add_flag("--no-browser", o.start.window.no_browser,
                   "Launch no browser: print the start page's address for a browser you open");
  app.add_option(
      "--browser", o.start.window.browser,
      "The browser to launch (default: the first of " + browser::KnownBrowserList() + ")");
  app.add_flag("--headless", o.start.window.headless,
               "Launch the browser headless (tests, pilots)");
  app.add_flag("--fullscreen", o.start.window.fullscreen,
               "Show the game full screen without a title bar (as fullscreen = yes in "
               "volleta.ini); Alt+F4 ends the session");
  app.add_option("--display", o.display,
                 "How each throw reaches the window: staged (sent ahead, shown on the frame its "
                 "tick fires on, the default), swap (into the shown page when it fires) or "
                 "navigate (a new page)")
      ->check(CLI::IsMember({"staged", "swap", "navigate"}));
  app.add_flag("--photodiode", o.photodiode,
               "Draw a photodiode patch in the bottom left corner: black, white for 6 frames "
               "from each throw's first frame");
  app.add_option("--photodiode-frames", o.start.window.display.photodiode_frames,
                 "The frames the photodiode patch stays white (implies --photodiode)")
      ->check(CLI::Range(1, 600));
  app.add_option("--port-log", o.start.port_log,
                 "Dry run of the TTL output: append every port write to FILE instead of "
                 "touching the hardware");
  CLI::Option* report =
      app.add_option("--report", o.report_folder,
                     "Write report.html for the logs in LOGDIR (default: the program folder's log) "
                     "and exit")
          ->expected(0, 1)
          ->type_name("[LOGDIR]")
          ->excludes(new_study_option);
  CLI::Option* exporter =
      app.add_option("--export", o.export_folder,
                     "Write throws.csv, one row per logged throw, for the logs in LOGDIR (default: "
                     "the program folder's log) and exit")
          ->expected(0, 1)
          ->type_name("[LOGDIR]")
          ->excludes(new_study_option);
  app.add_option("--ttl-device", o.start.ttl_device,
#ifdef _WIN32
                 "The TTL output device for this run instead of ttl.txt's: COM3, COM4@9600, ...");
#else
                 "The TTL output device for this run instead of ttl.txt's: /dev/ttyACM0, "
                 "/dev/ttyUSB0@9600, /dev/parport1, ...");
#endif
  CLI::Option* pilot_option =
      app.add_option("--pilot", o.pilot.games,
                     "Play N whole games of SETTINGS with an automated participant in a headless "
                     "browser, write them to log/pilot and end with their report")
          ->check(CLI::Range(1, 9999))
          ->type_name("N")
          ->excludes(no_browser)
          ->excludes(report)
          ->excludes(exporter)
          ->excludes(new_study_option);
  app.add_option("--speed", o.pilot.speed,
                 "With --pilot: every delay and timer divided by X (times logged in study "
                 "milliseconds); default 1")
      ->check(CLI::Range(0.1, 1000.0))
      ->type_name("X")
      ->needs(pilot_option);
  app.add_option("--strategy", o.pilot.strategy,
                 "With --pilot: whom the participant throws to: random (default), left (Player 1), "
                 "right (Player 3) or round (each in turn)")
      ->check(CLI::IsMember(browser::PilotStrategies()))
      ->type_name("S")
      ->needs(pilot_option);
  CLI::App* serve = app.add_subcommand(
      "serve",
      "Host the study folder (the current one, or --folder DIR) for participants in their own "
      "browsers: check every condition, then listen and print the study link; runs until "
      "SIGINT or SIGTERM");
  // --folder (and the other program options) may follow the command too.
  serve->fallthrough();
  online::ServeOptions& s = o.serve;
  serve->add_option("--listen", s.listen, "The address and port to listen on")
      ->capture_default_str();
  serve->add_option("--public-url", s.public_url,
                    "The study's address as participants' browsers see it (behind a TLS proxy: "
                    "https://...); the printed link, the games' origin, Secure cookies");
  serve
      ->add_option("--id-param", s.id_params,
                   "The link parameter holding the participant's ID (default: the first "
                   "present of PROLIFIC_PID, workerId, id)")
      ->expected(1);
  serve->add_option("--conditions", s.conditions,
                    "The settings files to run (default: all in settings/)");
  serve
      ->add_option("--assign", o.assign,
                   "balanced: the condition with the fewest games started (ties at random); "
                   "random")
      ->check(CLI::IsMember({"balanced", "random"}))
      ->capture_default_str();
  serve->add_flag("--allow-condition-param", s.allow_condition_param,
                  "Let a link pin its condition with condition=NAME");
  serve->add_flag("--allow-repeat", s.allow_repeat, "Let an ID start more than one game");
  serve->add_option("--max-games", s.max_games, "Games at once; past it the link answers 503")
      ->check(CLI::Range(1, 100000))
      ->capture_default_str();
  serve
      ->add_option("--max-new-per-minute", s.max_new_per_minute,
                   "New games per minute from one client address (default: no cap)")
      ->check(CLI::Range(1, 1000000));
  serve
      ->add_option("--trusted-proxy", s.trusted_proxies,
                   "A proxy's address whose X-Forwarded-For names the client (repeatable)")
      ->take_all();
  serve->add_option("--return-url", s.return_url,
                    "Where a participant goes after the thank-you page once the game is saved; "
                    "{id} and {PARAM} are replaced by the URL-encoded ID and link parameters");
  serve
      ->add_option("--return-after", s.return_after,
                   "Seconds the thank-you page shows before the return URL")
      ->check(CLI::Range(0, 3600))
      ->capture_default_str();
  serve
      ->add_option("--abandon-after", s.abandon_after,
                   "Seconds a game's page may be gone before the game counts as abandoned")
      ->check(CLI::Range(1, 86400))
      ->capture_default_str();
  serve
      ->add_option("--finish-within", s.finish_within,
                   "On SIGINT/SIGTERM: seconds running games may go on before they are ended")
      ->check(CLI::Range(0, 86400))
      ->capture_default_str();
  CLI::Option* online =
      app.add_flag("--online-game", o.online_game,
                   "Play one participant's game for a relay on this machine (volleta serve): no "
                   "browser, no questions, no markers; print the start page's loopback address")
          ->excludes(pilot_option)
          ->excludes(check_option)
          ->excludes(report)
          ->excludes(exporter)
          ->excludes(new_study_option);
  // The game process's own options: each means nothing without --online-game.
  const auto game_option = [&](const std::string& name, auto& value, const std::string& help,
                               const std::string& type) {
    return app.add_option(name, value, "With --online-game: " + help)
        ->type_name(type)
        ->needs(online);
  };
  game_option("--subject", o.subject, "the subject ID", "ID");
  game_option("--public-origin", o.public_origin,
              "the origin the participant's browser sees, e.g. https://study.example.org",
              "ORIGIN");
  game_option("--abandon-after", o.abandon_after,
              "the game ends when its pages have all been gone this long; default 60", "SECS")
      ->check(CLI::Range(1, 86400));
  game_option("--return-url", o.return_url,
              "where the thank-you page sends the participant; {id} and {PARAM} (a parameter of "
              "--link) are replaced, URL-encoded",
              "URL");
  game_option("--return-after", o.return_after,
              "the seconds the thank-you page shows before it goes on to --return-url; default 5",
              "SECS")
      ->check(CLI::Range(0, 3600));
  game_option("--link", o.link,
              "the study link's other parameters, a query string kept in the session record",
              "QUERY");
  app.set_version_flag("--version", std::string("volleta ") + VOLLETA_VERSION);
  // Options come first; everything after them is the settings file's name.
  app.prefix_command();
}

void ReadParsed(const CLI::App& app, Options& o, std::string program) {
  o.program = std::move(program);
  o.settings_words = app.remaining();
  o.report = app.count("--report") > 0;
  o.exporter = app.count("--export") > 0;
  if (app.got_subcommand("serve")) {
    o.command = "serve";
  } else if (app.count("--new-study") > 0) {
    o.command = "new-study";
  } else if (o.report) {
    o.command = "report";
  } else if (o.exporter) {
    o.command = "export";
  } else if (o.online_game) {
    o.command = "online-game";
  } else if (app.count("--pilot") > 0) {
    o.command = "pilot";
  } else if (o.check) {
    o.command = "check";
  }
}

}  // namespace commands
