"""The end-to-end cases, by name. A case is a function of a started
Harness, registered with @case; every module of this package is loaded, so
a new group of cases is a new file here (and a line in e2e_tests.cmake)."""

import importlib
import pkgutil

CASES = {}


def case(name, prefix=None, bare=False):
    """prefix: the step that makes the case's prefix ('prefix_dpi144'); the
    shared one made by 'prefix' if None. bare: the case gets a Stage (the
    display and the session) instead of a Harness with Lumivex and the
    fixture started."""
    def register(function):
        if name in CASES:
            raise ValueError(f"two cases named {name}")
        function.prefix_variant = prefix
        function.bare = bare
        CASES[name] = function
        return function
    return register


def load_all():
    for module in pkgutil.iter_modules(__path__):
        importlib.import_module(f"{__name__}.{module.name}")
    return CASES
