"""The first start on a 1920 × 1080 whiteboard: the same road, the page fitted to that screen."""
import harness
from scenario_first_start import body

harness.main(body)
