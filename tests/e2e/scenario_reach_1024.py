"""On a 1024 x 768 projector every pressable control of every window and main dialog lies on
the screen, inside the panel that holds it."""
import harness
import reach


def body(s, check_size=False):
    problems = []
    reach.walk(s, lambda label: problems.extend(reach.offenders(s.app, label, check_size)))
    assert not problems, "out of a child's reach:\n" + "\n".join(problems)


if __name__ == "__main__":
    harness.main(body)
