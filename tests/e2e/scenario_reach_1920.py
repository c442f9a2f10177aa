"""On a 1920 x 1080 whiteboard every pressable control is on the screen and at least a
fingertip (44 x 44 pixels) big, but for the controls reach.ALLOWED_SMALL names."""
import harness
from scenario_reach_1024 import body

harness.main(lambda s: body(s, check_size=True))
