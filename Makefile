# The two commands: each installs what is missing, builds, and runs.
.PHONY: all test demo bench clean

all:
	scripts/build.sh

test:
	scripts/test.sh

demo:
	scripts/demo.sh

bench:
	scripts/bench.sh

clean:
	rm -rf build
