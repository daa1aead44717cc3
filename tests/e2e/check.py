"""Checks whose failures read like a person's report: what was expected, what was seen."""

import time

import pytest


def fail(what):
    """Ends the test with WHAT as its whole message (no Python traceback)."""
    pytest.fail(what, pytrace=False)


def expect_eq(actual, expected, what):
    if actual != expected:
        fail(f'{what}: expected "{expected}", got "{actual}"')


def expect_in(part, text, what):
    if part not in text:
        fail(f'{what}: "{part}" not in: {text}')


def poll_quietly(condition, seconds, interval=0.1):
    """Like poll, but gives None instead of failing when SECONDS pass."""
    deadline = time.monotonic() + seconds
    while not (value := condition()):
        if time.monotonic() > deadline:
            return None
        time.sleep(interval)
    return value


def poll(what, condition, seconds=20, interval=0.1):
    """Calls CONDITION until it returns something true, for at most SECONDS;
    returns that value, or fails with WHAT (a callable gives the text then,
    so that it can tell what was seen last)."""
    value = poll_quietly(condition, seconds, interval)
    if not value:
        fail(what() if callable(what) else what)
    return value
