#pragma once
// The main form: the game timer, the connection timer, start-up, the logs and
// the unload handling. One instance per run, reached through MainForm().
#include "platform/event_loop.hpp"

class frmMain {
 public:
  frmMain();  // Timer1 off (its stored 4000 ms is never used), Timer2 5000 ms, off
  ~frmMain();
  frmMain(const frmMain&) = delete;
  frmMain& operator=(const frmMain&) = delete;

  // Start-up: the session set-up, fTTL when TTL output is on, then the
  // browser window on the start page.
  void Form_Load();
  // The game timer's tick: one computer player's throw, or the end of the game.
  void Timer1_Timer();
  // The connection timer: sends the window to connected.htm, once.
  void Timer2_Timer();
  // Appends the game's row to log/log.csv and log/time.csv.
  void WriteData();
  // Unloading the form: quits the browser and releases the event sink.
  void Form_Unload(int& Cancel);

  platform::Timer Timer1;
  platform::Timer Timer2;
};

// The form of this run; set while an instance exists.
frmMain& MainForm();
