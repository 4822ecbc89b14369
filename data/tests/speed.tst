05start@rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1
06kiwipete@r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1
07italian@r1bqk1nr/pppp1ppp/2n5/2b1p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4
08rook ending@8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1
10pawn ending@8/8/4k3/3p4/3P4/4K3/8/8 w - - 0 1
lines without "@" are comments and are skipped
