#pragma once
// The drawing player (player type 2): the drawing editor's play list, all objects together as
// one frame, sent over and over until stopped.

#include "output/player_loop.h"

namespace daved {

class DrawingPlayer : public PlayerLoop {
 public:
  // `play_list` holds one object per entry, in laser coordinates.
  DrawingPlayer(OutputContext context, Drawing play_list);

  // Settings packet (output delay, 0), player running.
  void start() override;
  // A new settings packet (output delay, scan speed) when either changed, then the data packet.
  // A stop request found before an entry ends the pass without sending it.
  bool runPass() override;
  void finish() override;

 private:
  OutputContext context_;
  OutputSender sender_;
  PacketBuilder packet_;
  Drawing play_list_;
  PassSettings pass_;
  uint8_t sent_delay_ = 0;
  uint8_t sent_speed_ = 0;
};

}  // namespace daved
